#include "pid_copy.h"

#include <fstream>

#include "failure.h"
#include "stop_signal.h"

namespace eac3to {
namespace {

constexpr std::uint8_t kSync = 0x47;
constexpr std::size_t kChunkBytes = 188 * 192 * 16;  // whole packets of either size

std::uintmax_t TotalSize(const std::vector<InputPart>& parts) {
  std::uintmax_t total = 0;
  for (const auto& part : parts) total += std::filesystem::file_size(part.file);
  return total;
}

}  // namespace

std::size_t DetectPacketSize(const std::uint8_t* data, std::size_t size) {
  for (std::size_t packetSize : {std::size_t{188}, std::size_t{192}}) {
    const std::size_t offset = packetSize - 188;
    if (size >= offset + packetSize + 1 && data[offset] == kSync &&
        data[offset + packetSize] == kSync)
      return packetSize;
  }
  return 0;
}

void PesPayloadWriter::Feed(const std::uint8_t* packets, std::size_t size,
                            std::size_t packetSize) {
  const std::size_t offset = packetSize - 188;  // 192-byte packets lead with a timestamp
  for (std::size_t at = 0; at + packetSize <= size; at += packetSize)
    TakePacket(packets + at + offset);
}

void PesPayloadWriter::TakePacket(const std::uint8_t* p) {
  if (p[0] != kSync || (((p[1] & 0x1F) << 8) | p[2]) != pid_) return;
  const bool unitStart = p[1] & 0x40;
  const int adaptation = (p[3] >> 4) & 3;
  if (!(adaptation & 1)) return;  // no payload
  std::size_t start = 4 + ((adaptation & 2) ? 1 + p[4] : 0);
  if (unitStart && start + 9 <= 188 && p[start] == 0 && p[start + 1] == 0 && p[start + 2] == 1)
    start += 9 + p[start + 8];  // PES header
  if (start < 188) out_.write(reinterpret_cast<const char*>(p + start), 188 - start);
}

void CopyPidPayload(const std::vector<InputPart>& parts, int pid,
                    const std::filesystem::path& out,
                    const std::function<void(double)>& onProgress) {
  std::ofstream file(out, std::ios::binary);
  if (!file) throw Failure("\"" + out.string() + "\" can't be written.");
  PesPayloadWriter writer(pid, file);
  const double total = static_cast<double>(TotalSize(parts));
  std::uintmax_t done = 0;
  std::vector<std::uint8_t> buffer(kChunkBytes);
  for (const auto& part : parts) {
    std::ifstream in(part.file, std::ios::binary);
    std::size_t packetSize = 0;
    auto* bytes = reinterpret_cast<char*>(buffer.data());
    while (in.read(bytes, static_cast<std::streamsize>(buffer.size())) || in.gcount() > 0) {
      ThrowIfStopped();
      const auto got = static_cast<std::size_t>(in.gcount());
      if (!packetSize) packetSize = DetectPacketSize(buffer.data(), got);
      if (!packetSize) throw Failure("\"" + part.file.string() + "\" is no transport stream.");
      writer.Feed(buffer.data(), got, packetSize);
      done += got;
      onProgress(total > 0 ? static_cast<double>(done) / total : 1.0);
    }
  }
  if (!file.flush()) throw Failure("\"" + out.string() + "\" can't be written.");
}

}  // namespace eac3to
