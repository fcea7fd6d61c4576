#include "avchd_navigation.h"

#include <algorithm>

#include "clip_streams.h"

namespace tsmuxer {

namespace {

constexpr int64_t kTicksPerMs = 45;  // 45 kHz clock of play items and marks

}  // namespace

std::vector<int64_t> chapterStarts(const MuxOptions& options, int64_t durationMs) {
  std::vector<int64_t> starts;
  if (options.customChaptersMs) {
    for (int64_t ms : *options.customChaptersMs)
      if (ms >= 0 && ms < durationMs) starts.push_back(ms);
  } else if (options.autoChapterMinutes > 0) {
    for (int64_t ms = 0; ms < durationMs; ms += options.autoChapterMinutes * 60000ll) starts.push_back(ms);
  }
  std::sort(starts.begin(), starts.end());
  starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
  if (starts.empty()) starts.push_back(0);
  return starts;
}

bdnav::Navigation avchdNavigation(const bdnav::M2tsScan& scan, const MuxPlan& plan, const MuxOptions& options) {
  bdnav::Clip clip = bdnav::clipFromScan(scan, "00000");
  clip.streams = clipStreams(scan, plan);
  bdnav::Playlist playlist;
  playlist.items = {{clip.name, clip.startTime, clip.endTime}};
  const int64_t durationMs = (int64_t(clip.endTime) - clip.startTime) / kTicksPerMs;
  for (int64_t ms : chapterStarts(options, durationMs))
    playlist.marks.push_back({0, static_cast<uint32_t>(clip.startTime + ms * kTicksPerMs)});
  return {{clip}, {playlist}};
}

}  // namespace tsmuxer
