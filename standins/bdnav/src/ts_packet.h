#pragma once
// The few pieces of an MPEG transport stream packet the scanner reads.

#include <cstdint>
#include <optional>
#include <vector>

namespace bdnav {

struct TsPacket {
  uint16_t pid = 0;
  bool unitStart = false;
  bool randomAccess = false;
  const uint8_t* payload = nullptr;
  size_t payloadSize = 0;
};

// Parses the 188 bytes at `p`; nothing when the sync byte is missing.
std::optional<TsPacket> parseTsPacket(const uint8_t* p);

struct PmtEntry {
  uint8_t streamType;
  uint16_t pid;
};

struct ProgramMap {
  uint16_t pcrPid = 0;
  std::vector<PmtEntry> entries;
};

// From the payload of a unit-start packet holding a whole section.
std::optional<uint16_t> pmtPidFromPat(const TsPacket& packet);
std::optional<ProgramMap> parsePmt(const TsPacket& packet);

// PTS (90 kHz) of the PES header that opens a unit-start payload.
std::optional<uint64_t> pesPts(const TsPacket& packet);

}  // namespace bdnav
