#pragma once
// Counting one chunk of an .m2ts file: 192-byte packets, a 4-byte header
// and a 188-byte transport packet whose byte 4 is the sync byte 0x47.

#include <cstddef>
#include <cstdint>

#include "scanner/scan_counters.h"

namespace scanner {

inline constexpr size_t kPacketSize = 192;
inline constexpr uint8_t kSyncByte = 0x47;

// Adds the chunk's whole packets to donePackets and each packet to its
// track; a trailing part packet is ignored. Returns 0, or 1 when a packet
// lacks its sync byte: a bad first packet counts nothing, a later one keeps
// what came before it.
int CountScanPackets(ScanCounters& counters, const PidTable& pids, const uint8_t* chunk,
                     size_t length);

// A subtitle packet whose last 22 bytes hold a presentation composition
// segment that starts an epoch with one forced, uncropped object.
inline bool IsForcedComposition(const uint8_t* packet) {
  return packet[170] == 0x16 && packet[180] == 0x80 && (packet[187] & 0x40) != 0;
}

}  // namespace scanner
