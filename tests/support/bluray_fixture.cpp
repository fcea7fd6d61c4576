#include "bluray_fixture.h"

#include <string>
#include <vector>

#include "bdnav/m2ts_scan.h"
#include "bdnav/navigation_writer.h"
#include "media_cache.h"
#include "media_fixtures.h"
#include "pgs_captions.h"

namespace quandrell::test {
namespace {

constexpr std::uint32_t k45kHz = 45000;

const std::vector<std::string> kBlurayPids = {"-streamid", "0:0x1011", "-streamid", "1:0x1100",
                                              "-streamid", "2:0x1101", "-streamid", "3:0x1200",
                                              "-f", "mpegts", "-mpegts_m2ts_mode", "1"};

void RunFfmpegToBluray(std::vector<std::string> args, const std::filesystem::path& out) {
  args.insert(args.end(), kBlurayPids.begin(), kBlurayPids.end());
  args.push_back(out.string());
  RunFfmpeg(args);
}

// The clip with the PGS captions added, shown 1 s after the video starts.
std::filesystem::path ClipWithCaptions() {
  return CachedMedia("clip-pgs.m2ts", [](const std::filesystem::path& out) {
    RunFfmpegToBluray({"-i", M2tsClip().string(), "-itsoffset", "1", "-i", PgsCaptions().string(),
                       "-map", "0", "-map", "1", "-c", "copy", "-metadata:s:s:0", "language=eng"},
                      out);
  });
}

std::filesystem::path ShortClip() {
  return CachedMedia("clip-pgs-5s.m2ts", [](const std::filesystem::path& out) {
    RunFfmpegToBluray({"-i", ClipWithCaptions().string(), "-t", "5", "-map", "0", "-c", "copy"}, out);
  });
}

void DescribeVideo(bdnav::Stream& stream) {
  stream.format = bdnav::video_format::p1080;
  stream.rate = bdnav::frame_rate::r23976;
}

void DescribeAudio(bdnav::Stream& stream) {
  const bool surround = stream.pid == 0x1100;
  stream.format = surround ? bdnav::audio_format::multichannel : bdnav::audio_format::stereo;
  stream.rate = bdnav::sample_rate::k48;
  stream.language = surround ? "eng" : "spa";
}

// Clip info of one of our clips: 1080p at 24000/1001, AC-3 5.1 "eng",
// AC-3 2.0 "spa", PGS "eng".
bdnav::Clip DescribeClip(const std::filesystem::path& file, const std::string& name) {
  bdnav::Clip clip = bdnav::clipFromScan(bdnav::scanM2ts(file), name);
  for (auto& stream : clip.streams) {
    switch (bdnav::kindOf(stream.coding)) {
      case bdnav::StreamKind::Video: DescribeVideo(stream); break;
      case bdnav::StreamKind::Audio: DescribeAudio(stream); break;
      default: stream.language = "eng";
    }
  }
  return clip;
}

bdnav::PlayItem WholeClip(const bdnav::Clip& clip) {
  return {clip.name, clip.startTime, clip.endTime};
}

void MakeBluray(const std::filesystem::path& root) {
  const bdnav::Clip first = DescribeClip(ClipWithCaptions(), "00001");
  const bdnav::Clip second = DescribeClip(ShortClip(), "00002");
  const bdnav::Playlist single{
      "00001", {WholeClip(first)}, {{0, first.startTime}, {0, first.startTime + 4 * k45kHz}}};
  const bdnav::Playlist joined{"00002",
                               {WholeClip(first), WholeClip(second)},
                               {{0, first.startTime}, {1, second.startTime}}};
  bdnav::writeNavigation(root, {{first, second}, {single, joined}});
  std::filesystem::copy_file(ClipWithCaptions(), root / "BDMV" / "STREAM" / "00001.m2ts");
  std::filesystem::copy_file(ShortClip(), root / "BDMV" / "STREAM" / "00002.m2ts");
}

}  // namespace

std::filesystem::path BlurayFolder() { return CachedMedia("bluray", MakeBluray); }

}  // namespace quandrell::test
