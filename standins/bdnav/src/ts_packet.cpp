#include "ts_packet.h"

namespace bdnav {

namespace {

constexpr uint8_t kSync = 0x47;
constexpr size_t kTsPacketSize = 188;
constexpr uint8_t kPatTable = 0x00;
constexpr uint8_t kPmtTable = 0x02;

// The section a unit-start payload carries after its pointer field, cut to
// its declared length (without CRC); nothing if it does not fit.
std::optional<std::vector<uint8_t>> section(const TsPacket& packet, uint8_t tableId) {
  if (!packet.unitStart || packet.payloadSize < 1) return std::nullopt;
  const size_t start = 1 + packet.payload[0];
  if (start + 3 > packet.payloadSize || packet.payload[start] != tableId) return std::nullopt;
  const uint8_t* s = packet.payload + start;
  const size_t length = 3 + ((s[1] & 0x0f) << 8 | s[2]);
  if (length < 12 || start + length > packet.payloadSize) return std::nullopt;
  return std::vector<uint8_t>(s, s + length - 4);
}

}  // namespace

std::optional<TsPacket> parseTsPacket(const uint8_t* p) {
  if (p[0] != kSync) return std::nullopt;
  TsPacket t;
  t.unitStart = (p[1] & 0x40) != 0;
  t.pid = static_cast<uint16_t>((p[1] & 0x1f) << 8 | p[2]);
  const int control = (p[3] >> 4) & 3;
  size_t offset = 4;
  if (control & 2) {
    const uint8_t length = p[4];
    t.randomAccess = length > 0 && (p[5] & 0x40) != 0;
    offset += 1 + length;
  }
  if ((control & 1) && offset < kTsPacketSize) {
    t.payload = p + offset;
    t.payloadSize = kTsPacketSize - offset;
  }
  return t;
}

std::optional<uint16_t> pmtPidFromPat(const TsPacket& packet) {
  const auto s = section(packet, kPatTable);
  if (!s) return std::nullopt;
  for (size_t i = 8; i + 4 <= s->size(); i += 4) {
    const uint16_t program = static_cast<uint16_t>((*s)[i] << 8 | (*s)[i + 1]);
    if (program != 0) return static_cast<uint16_t>(((*s)[i + 2] & 0x1f) << 8 | (*s)[i + 3]);
  }
  return std::nullopt;
}

std::optional<ProgramMap> parsePmt(const TsPacket& packet) {
  const auto s = section(packet, kPmtTable);
  if (!s) return std::nullopt;
  const std::vector<uint8_t>& b = *s;
  ProgramMap map;
  map.pcrPid = static_cast<uint16_t>((b[8] & 0x1f) << 8 | b[9]);
  size_t i = 12 + ((b[10] & 0x0f) << 8 | b[11]);
  while (i + 5 <= b.size()) {
    map.entries.push_back({b[i], static_cast<uint16_t>((b[i + 1] & 0x1f) << 8 | b[i + 2])});
    i += 5 + ((b[i + 3] & 0x0f) << 8 | b[i + 4]);
  }
  return map;
}

std::optional<uint64_t> pesPts(const TsPacket& packet) {
  const uint8_t* p = packet.payload;
  if (!packet.unitStart || packet.payloadSize < 14 || p[0] != 0 || p[1] != 0 || p[2] != 1) return std::nullopt;
  if ((p[7] & 0x80) == 0) return std::nullopt;
  return (uint64_t(p[9] >> 1) & 7) << 30 | uint64_t(p[10]) << 22 | uint64_t(p[11] >> 1) << 15 |
         uint64_t(p[12]) << 7 | p[13] >> 1;
}

}  // namespace bdnav
