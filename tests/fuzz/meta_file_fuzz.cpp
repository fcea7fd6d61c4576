// The tsMuxeR stand-in's control-file reader.
#include "fuzz_input.h"
#include "meta_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(fuzz::Text(data, size));
  try {
    tsmuxer::parseMeta(text);
  } catch (const std::exception&) {
    // A control file it cannot use is refused with a message.
  }
  tsmuxer::parseChapterTime(text);
  return 0;
}
