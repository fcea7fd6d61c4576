#include "whole_clips.h"

#include <algorithm>
#include <fstream>
#include <vector>

#include "part_timing.h"
#include "ts_fields.h"

namespace eac3to {
namespace {

constexpr std::uintmax_t kTailBytes = 4 << 20;  // holds the last GOP of any disc

const Track* FirstVideo(const Source& source) {
  const auto video = std::find_if(source.tracks.begin(), source.tracks.end(),
                                  [](const Track& t) { return t.kind == TrackKind::Video; });
  return video == source.tracks.end() ? nullptr : &*video;
}

// The latest picture PTS of a PID in the file's last megabytes.
std::optional<std::int64_t> LastPts(const std::filesystem::path& file, int pid) {
  std::ifstream in(file, std::ios::binary);
  std::vector<std::uint8_t> head(2 * 192 + 1);
  if (!in.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()))) return {};
  const std::size_t packet = DetectPacketSize(head.data(), head.size());
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (packet == 0 || error) return {};
  const std::uintmax_t start = size > kTailBytes ? (size - kTailBytes) / packet * packet : 0;
  std::vector<std::uint8_t> tail(size - start);
  in.seekg(static_cast<std::streamoff>(start));
  if (!in.read(reinterpret_cast<char*>(tail.data()), static_cast<std::streamsize>(tail.size()))) return {};
  std::optional<std::int64_t> last;
  for (std::size_t at = packet - 188; at + 188 <= tail.size(); at += packet) {
    const std::uint8_t* p = tail.data() + at;
    if (p[0] != ts::kSync || ts::Pid(p) != pid || !ts::UnitStart(p)) continue;
    const auto pts = ts::PesPts(p);
    if (pts && (!last || ts::Difference(*pts, *last) > 0)) last = pts;
  }
  return last;
}

}  // namespace

bool ClipsPlayWhole(const Source& source) {
  const Track* video = FirstVideo(source);
  if (!video || !video->start || source.parts.empty()) return false;
  const auto timings = PlanPartTimings(source.parts);
  for (std::size_t i = 1; i < timings.size(); ++i)
    if (!timings[i].continuesBefore) return false;
  for (const auto& part : source.parts)
    if (part.file.string().find('|') != std::string::npos) return false;  // "concat:" splits there
  if (!InWindow(timings.front(), *video->start)) return false;
  if (!timings.back().to) return true;
  const auto last = LastPts(source.parts.back().file, video->pid);
  return last && InWindow(timings.back(), *last);
}

}  // namespace eac3to
