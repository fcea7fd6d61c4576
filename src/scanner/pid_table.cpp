#include "scanner/scan_counters.h"

namespace scanner {

PidTable BuildPidTable(const SourceInfo& source) {
  PidTable table;
  auto add = [&table](const auto& track, int slot) {
    if (track.id < kFirstStreamPid || track.id >= kPidCount) return;
    uint8_t& entry = table.slot[track.id];
    if (entry == 0) entry = static_cast<uint8_t>(slot);
  };
  ForEachTrack(source.video, source.videoCount, kFirstVideoSlot, add);
  ForEachTrack(source.audio, source.audioCount, kFirstAudioSlot, add);
  ForEachTrack(source.subtitle, source.subtitleCount, kFirstSubtitleSlot, add);
  return table;
}

void AddForcedCaption(std::atomic<int32_t>& forced) {
  int32_t seen = forced.load(std::memory_order_relaxed);
  while (!forced.compare_exchange_weak(seen, seen < 0 ? 1 : seen + 1, std::memory_order_relaxed)) {
  }
}

}  // namespace scanner
