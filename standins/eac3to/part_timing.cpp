#include "part_timing.h"

#include "ts_fields.h"

namespace eac3to {
namespace {

// In and out times are stored on a 45 kHz clock: a picture one 90 kHz tick
// before the in time is the one it names.
constexpr std::int64_t kClockSlack = 1;

bool Continuous(const InputPart& before, const InputPart& after) {
  return before.outTime && after.inTime && *before.outTime == *after.inTime;
}

}  // namespace

std::vector<PartTiming> PlanPartTimings(const std::vector<InputPart>& parts) {
  std::vector<PartTiming> timings(parts.size());
  for (std::size_t i = 0; i < parts.size(); ++i) {
    PartTiming& timing = timings[i];
    const bool joinsBefore = i > 0 && Continuous(parts[i - 1], parts[i]);
    const bool joinsAfter = i + 1 < parts.size() && Continuous(parts[i], parts[i + 1]);
    if (i > 0) {
      timing.shift = timings[i - 1].shift;
      if (parts[i - 1].outTime && parts[i].inTime)
        timing.shift += ts::Difference(*parts[i - 1].outTime, *parts[i].inTime);
    }
    timing.continuesBefore = joinsBefore;
    if (!joinsBefore) timing.from = parts[i].inTime;
    if (!joinsAfter) timing.to = parts[i].outTime;
  }
  return timings;
}

bool InWindow(const PartTiming& timing, std::int64_t pts) {
  return (!timing.from || ts::Difference(pts, *timing.from) >= -kClockSlack) &&
         (!timing.to || ts::Difference(pts, *timing.to) < -kClockSlack);
}

}  // namespace eac3to
