// The forced-caption extraction on any PGS stream.
#include <cstdio>

#include "engine/forced_captions.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fuzz::InputFile input(data, size, ".sup");
  const std::string output = input.path() + ".forced.sup";
  ExtractForcedCaptions(input.path(), output);
  std::remove(output.c_str());
  return 0;
}
