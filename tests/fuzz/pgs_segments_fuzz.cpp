// The PGS reader of the stand-ins: segments, then the captions they draw.
#include <stdexcept>

#include "fuzz_input.h"
#include "pgs/caption.h"
#include "pgs/segment.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const auto segments = pgs::parseSegments(std::vector<uint8_t>(data, data + size));
    pgs::decodeCaptions(segments);
  } catch (const std::exception&) {
    // A damaged stream is refused with a message.
  }
  return 0;
}
