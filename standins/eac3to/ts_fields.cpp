#include "ts_fields.h"

namespace eac3to {

std::size_t DetectPacketSize(const std::uint8_t* data, std::size_t size) {
  for (std::size_t packetSize : {std::size_t{188}, std::size_t{192}}) {
    const std::size_t offset = packetSize - 188;
    if (size >= offset + packetSize + 1 && data[offset] == ts::kSync &&
        data[offset + packetSize] == ts::kSync)
      return packetSize;
  }
  return 0;
}

namespace ts {
namespace {

constexpr int kPacketBytes = 188;

bool HasAdaptation(const std::uint8_t* p) { return p[3] & 0x20; }

std::int64_t Wrapped(std::int64_t value) { return ((value % kWrap) + kWrap) % kWrap; }

// A PES timestamp: 5 bytes with marker bits, the prefix nibble kept.
std::int64_t ReadStamp(const std::uint8_t* b) {
  return (std::int64_t{b[0] & 0x0E} << 29) | (std::int64_t{b[1]} << 22) |
         (std::int64_t{b[2] & 0xFE} << 14) | (std::int64_t{b[3]} << 7) | (b[4] >> 1);
}

void WriteStamp(std::uint8_t* b, std::int64_t value) {
  b[0] = static_cast<std::uint8_t>((b[0] & 0xF0) | ((value >> 29) & 0x0E) | 1);
  b[1] = static_cast<std::uint8_t>(value >> 22);
  b[2] = static_cast<std::uint8_t>(((value >> 14) & 0xFE) | 1);
  b[3] = static_cast<std::uint8_t>(value >> 7);
  b[4] = static_cast<std::uint8_t>(((value << 1) & 0xFE) | 1);
}

// The PES header's PTS (and DTS) bytes, or nullptr when they are absent or cut.
std::uint8_t* StampBytes(std::uint8_t* p, int& count) {
  count = 0;
  if (!UnitStart(p) || !StartsPes(p)) return nullptr;
  const int at = PayloadOffset(p);
  std::uint8_t* pes = p + at;
  const int flags = pes[7] >> 6;  // 2: PTS, 3: PTS and DTS
  count = flags == 3 ? 2 : flags == 2 ? 1 : 0;
  if (count == 0 || at + 9 + 5 * count > kPacketBytes) {
    count = 0;
    return nullptr;
  }
  return pes + 9;
}

void ShiftPcr(std::uint8_t* p, std::int64_t delta) {
  if (!HasAdaptation(p) || p[4] < 7 || !(p[5] & 0x10)) return;
  std::uint8_t* pcr = p + 6;
  const std::int64_t base = (std::int64_t{pcr[0]} << 25) | (pcr[1] << 17) | (pcr[2] << 9) |
                            (pcr[3] << 1) | (pcr[4] >> 7);
  const std::int64_t shifted = Wrapped(base + delta);
  pcr[0] = static_cast<std::uint8_t>(shifted >> 25);
  pcr[1] = static_cast<std::uint8_t>(shifted >> 17);
  pcr[2] = static_cast<std::uint8_t>(shifted >> 9);
  pcr[3] = static_cast<std::uint8_t>(shifted >> 1);
  pcr[4] = static_cast<std::uint8_t>((pcr[4] & 0x7F) | ((shifted & 1) << 7));
}

}  // namespace

int Pid(const std::uint8_t* p) { return ((p[1] & 0x1F) << 8) | p[2]; }

bool UnitStart(const std::uint8_t* p) { return p[1] & 0x40; }

bool HasPayload(const std::uint8_t* p) { return p[3] & 0x10; }

void SetContinuity(std::uint8_t* p, int counter) {
  p[3] = static_cast<std::uint8_t>((p[3] & 0xF0) | (counter & 0x0F));
}

int PayloadOffset(const std::uint8_t* p) {
  if (!HasPayload(p)) return kPacketBytes;
  const int at = HasAdaptation(p) ? 5 + p[4] : 4;
  return at < kPacketBytes ? at : kPacketBytes;
}

bool StartsPes(const std::uint8_t* p) {
  const int at = PayloadOffset(p);
  return at + 9 <= kPacketBytes && p[at] == 0 && p[at + 1] == 0 && p[at + 2] == 1 &&
         p[at + 3] >= 0xBC;
}

std::optional<std::int64_t> PesPts(const std::uint8_t* packet) {
  int count = 0;
  const std::uint8_t* stamps = StampBytes(const_cast<std::uint8_t*>(packet), count);
  if (!stamps) return std::nullopt;
  return ReadStamp(stamps);
}

void ShiftTimestamps(std::uint8_t* p, std::int64_t delta) {
  ShiftPcr(p, delta);
  int count = 0;
  std::uint8_t* stamps = StampBytes(p, count);
  for (int i = 0; i < count; ++i)
    WriteStamp(stamps + 5 * i, Wrapped(ReadStamp(stamps + 5 * i) + delta));
}

std::int64_t Difference(std::int64_t a, std::int64_t b) {
  const std::int64_t d = Wrapped(a - b);
  return d >= kWrap / 2 ? d - kWrap : d;
}

}  // namespace ts
}  // namespace eac3to
