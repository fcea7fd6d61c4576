#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "track.h"

namespace eac3to {

// How one part of a joined transport stream is read, as a player plays a
// playlist: the PES units kept (by their PTS, on the part's own clock) and
// the shift that puts its timestamps on the playlist's time line.
struct PartTiming {
  std::int64_t shift = 0;  // 90 kHz, added to every PTS, DTS and PCR of the part
  std::optional<std::int64_t> from;  // keep PES units with from <= PTS < to
  std::optional<std::int64_t> to;
  bool continuesBefore = false;  // shares one clock with the part before it
};

// Each clip continues where the one before it ended. Where a clip's in time
// is the previous clip's out time, the two share one clock (a seamless split
// of one stream): nothing is cut there, so a unit or a picture that straddles
// the junction stays whole. Elsewhere each clip is cut at its in and out time.
std::vector<PartTiming> PlanPartTimings(const std::vector<InputPart>& parts);

// True when the PTS lies in the part's window.
bool InWindow(const PartTiming& timing, std::int64_t pts);

}  // namespace eac3to
