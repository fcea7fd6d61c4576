// What a tool prints, as each progress parser sees it: a chunk of its
// output, or x264's status line with a stored frame count of any value.
#include <cstring>

#include "engine/progress_parsers.h"
#include "fuzz_input.h"

namespace {

void Check(const ProgressReading& reading) {
  if (reading.value < 0 || reading.value > 1000) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  int32_t frameCount = 0;
  if (size >= sizeof frameCount) {
    std::memcpy(&frameCount, data, sizeof frameCount);
    data += sizeof frameCount;
    size -= sizeof frameCount;
  }
  const std::string chunk = ChunkText(fuzz::Text(data, size));
  Check(ReadEac3toChunk(chunk));
  Check(ReadMkvmergeChunk(chunk));
  Check(ReadTsMuxerChunk(chunk));
  Check(ReadX264Title(fuzz::Text(data, size), frameCount));
  Check(ReadX264Title("x264 " + std::string(fuzz::Text(data, size)), frameCount));
  return 0;
}
