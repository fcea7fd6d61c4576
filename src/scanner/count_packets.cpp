#include "scanner/count_packets.h"

#include <array>

namespace scanner {

namespace {

// Four rows of counts, one per packet of a group of four, so that
// consecutive packets of one stream do not wait on each other's increment.
constexpr size_t kLanes = 4;
using Lanes = std::array<std::array<uint32_t, kTrackSlots>, kLanes>;

inline int Pid(const uint8_t* packet) { return ((packet[5] & 0x1F) << 8) | packet[6]; }

inline void CountPacket(const uint8_t* packet, const PidTable& pids, std::array<uint32_t, kTrackSlots>& lane,
                        ScanCounters& counters) {
  const unsigned slot = pids.slot[Pid(packet)];
  ++lane[slot];
  if (slot >= kFirstSubtitleSlot && IsForcedComposition(packet))
    AddForcedCaption(counters.forcedCaptions[slot - kFirstSubtitleSlot]);
}

inline bool GroupSynced(const uint8_t* group) {
  return (group[4] == kSyncByte) & (group[4 + kPacketSize] == kSyncByte) &
         (group[4 + 2 * kPacketSize] == kSyncByte) & (group[4 + 3 * kPacketSize] == kSyncByte);
}

// Slot 0 gathers the packets of no track and is not published.
void Publish(const Lanes& lanes, ScanCounters& counters) {
  for (int slot = 1; slot < kTrackSlots; ++slot) {
    uint32_t sum = 0;
    for (const auto& lane : lanes) sum += lane[slot];
    if (sum != 0) counters.packets[slot].fetch_add(sum, std::memory_order_relaxed);
  }
}

}  // namespace

int CountScanPackets(ScanCounters& counters, const PidTable& pids, const uint8_t* chunk,
                     size_t length) {
  const size_t packets = length / kPacketSize;
  if (packets == 0) return 0;
  if (chunk[4] != kSyncByte) return 1;
  counters.donePackets.fetch_add(static_cast<uint32_t>(packets), std::memory_order_relaxed);

  Lanes lanes{};
  size_t i = 0;
  for (; i + kLanes <= packets; i += kLanes) {
    const uint8_t* group = chunk + i * kPacketSize;
    if (!GroupSynced(group)) break;
    for (size_t lane = 0; lane < kLanes; ++lane)
      CountPacket(group + lane * kPacketSize, pids, lanes[lane], counters);
  }
  int result = 0;
  for (; i < packets; ++i) {
    const uint8_t* packet = chunk + i * kPacketSize;
    if (packet[4] != kSyncByte) {
      result = 1;
      break;
    }
    CountPacket(packet, pids, lanes[0], counters);
  }
  Publish(lanes, counters);
  return result;
}

}  // namespace scanner
