// The tsMuxeR stand-in's reading of the transport stream it wrote, and
// the clip information made of what it found.
#include <stdexcept>

#include "bdnav/encoders.h"
#include "bdnav/m2ts_scan.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fuzz::InputFile input(data, size, ".m2ts");
  try {
    const bdnav::M2tsScan scan = bdnav::scanM2ts(input.path());
    bdnav::encodeClipInfo(bdnav::clipFromScan(scan, "00000"));
  } catch (const std::exception&) {
    // Not a stream it can describe: refused with a message.
  }
  return 0;
}
