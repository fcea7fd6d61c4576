// The tsMuxeR stand-in's SRT reader and its markup conversion.
#include "fuzz_input.h"
#include "srt_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(fuzz::Text(data, size));
  try {
    tsmuxer::parseSrt(text);
  } catch (const std::exception&) {
  }
  tsmuxer::assMarkup(text);
  return 0;
}
