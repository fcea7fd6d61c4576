#pragma once
// What the scan counts, and the table that tells which track a PID feeds.
// The worker is the only writer of the packet counts; the dialog's tick
// reads them on the user-interface thread while the worker runs, so every
// counter is one atomic word: a tick may see a chunk half counted, never a
// torn number.

#include <array>
#include <atomic>
#include <cstdint>

#include "source/source_info.h"

namespace scanner {

// Tracks are numbered in one row of slots: video, then audio, then
// subtitles, each in table order. Slot 0 collects every packet that feeds
// no track, so the counting loop never branches on it.
inline constexpr int kFirstVideoSlot = 1;
inline constexpr int kFirstAudioSlot = kFirstVideoSlot + kMaxVideoTracks;
inline constexpr int kFirstSubtitleSlot = kFirstAudioSlot + kMaxAudioTracks;
inline constexpr int kTrackSlots = kFirstSubtitleSlot + kMaxSubtitleTracks;

inline constexpr int kPidCount = 8192;             // 13-bit PIDs
inline constexpr int kFirstStreamPid = 0x1004;     // below: PAT, PMT, PCR and the like

// How many entries of a table are in use: the stream counts come from the
// probe unchecked, and a table is never read past its end.
inline int UsedEntries(int count, int capacity) {
  return count < 0 ? 0 : (count > capacity ? capacity : count);
}

// Calls visit(track, slot) for every track of a table that is in use.
template <typename Tracks, typename Visit>
void ForEachTrack(Tracks& tracks, int count, int firstSlot, Visit&& visit) {
  const int used = UsedEntries(count, static_cast<int>(tracks.size()));
  for (int i = 0; i < used; ++i) visit(tracks[i], firstSlot + i);
}

// PID -> slot, rebuilt when a scan starts.
struct PidTable {
  std::array<uint8_t, kPidCount> slot{};
};

// Each PID goes to the first track that has it: video first, then audio,
// then subtitles, each in table order. PIDs below 0x1004 feed nothing.
PidTable BuildPidTable(const SourceInfo& source);

struct ScanCounters {
  std::atomic<uint32_t> totalPackets{0};  // 192-byte packets in every file of the scan
  std::atomic<uint32_t> donePackets{0};   // packets read so far, every PID
  std::array<std::atomic<uint32_t>, kTrackSlots> packets{};  // by slot; slot 0 unused
  // Forced captions counted by the worker; -1 once the tick finds the whole
  // track forced. Both write it, so it changes by compare-and-swap only.
  std::array<std::atomic<int32_t>, kMaxSubtitleTracks> forcedCaptions{};
};

// The worker counted one more forced caption. A count replaces a "whole
// track forced" guess: the track evidently marks its forced captions.
void AddForcedCaption(std::atomic<int32_t>& forced);

}  // namespace scanner
