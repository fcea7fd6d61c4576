// eac3to's chapter file, as the chapters box gets it.
#include "fuzz_input.h"
#include "source/chapter_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ChaptersFromCapText(fuzz::Text(data, size));
  return 0;
}
