#include "pid_copy.h"

#include <fstream>

#include "failure.h"
#include "ts_fields.h"

namespace eac3to {

void PesPayloadWriter::Feed(const std::uint8_t* packets, std::size_t size,
                            std::size_t packetSize) {
  const std::size_t offset = packetSize - 188;  // 192-byte packets lead with a timestamp
  for (std::size_t at = 0; at + packetSize <= size; at += packetSize)
    TakePacket(packets + at + offset);
}

void PesPayloadWriter::TakePacket(const std::uint8_t* p) {
  if (p[0] != ts::kSync || (((p[1] & 0x1F) << 8) | p[2]) != pid_) return;
  const bool unitStart = p[1] & 0x40;
  const int adaptation = (p[3] >> 4) & 3;
  if (!(adaptation & 1)) return;  // no payload
  std::size_t start = 4 + ((adaptation & 2) ? 1 + p[4] : 0);
  if (unitStart && start + 9 <= 188 && p[start] == 0 && p[start + 1] == 0 && p[start + 2] == 1)
    start += 9 + p[start + 8];  // PES header
  if (start < 188) out_.write(reinterpret_cast<const char*>(p + start), 188 - start);
}

void CopyPidPayload(JoinedStream& stream, int pid, const std::filesystem::path& out,
                    const std::function<void(double)>& onProgress) {
  std::ofstream file(out, std::ios::binary);
  if (!file) throw Failure("\"" + out.string() + "\" can't be written.");
  PesPayloadWriter writer(pid, file);
  stream.Write([&](const std::uint8_t* packets, std::size_t size) { writer.Feed(packets, size, 188); },
               onProgress);
  if (!file.flush()) throw Failure("\"" + out.string() + "\" can't be written.");
}

}  // namespace eac3to
