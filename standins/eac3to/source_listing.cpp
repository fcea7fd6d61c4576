#include "source_listing.h"

#include <algorithm>
#include <cstdio>

#include "track_description.h"

namespace eac3to {
namespace {

std::string CountText(const Source& source, TrackKind kind, const char* noun) {
  const auto count = std::count_if(source.tracks.begin(), source.tracks.end(),
                                   [&](const Track& t) { return t.kind == kind; });
  if (count == 0) return "";
  return ", " + std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

std::string SummaryLine(const Source& source) {
  std::string line = source.container + CountText(source, TrackKind::Video, "video track") +
                     CountText(source, TrackKind::Audio, "audio track") +
                     CountText(source, TrackKind::Subtitle, "subtitle track") + ", " +
                     DurationText(source.durationMs);
  const auto video = std::find_if(source.tracks.begin(), source.tracks.end(),
                                  [](const Track& t) { return t.kind == TrackKind::Video; });
  if (video == source.tracks.end()) return line;
  const VideoFacts& v = video->video;
  const RateText rate = DescribeRate(v.rateNum, v.rateDen, v.interlaced);
  if (rate.number.empty()) return line;
  return line + ", " + rate.number + (v.interlaced ? "i" : "p") + rate.suffix;
}

}  // namespace

std::string DurationText(std::int64_t ms) {
  const std::int64_t seconds = (std::max<std::int64_t>(ms, 0) + 500) / 1000;
  char text[32];
  std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
  return text;
}

std::vector<std::string> ListSource(const Source& source) {
  std::vector<std::string> lines{SummaryLine(source)};
  for (std::size_t i = 0; i < source.tracks.size(); ++i)
    lines.push_back(std::to_string(i + 1) + ": " + DescribeTrack(source.tracks[i]));
  return lines;
}

}  // namespace eac3to
