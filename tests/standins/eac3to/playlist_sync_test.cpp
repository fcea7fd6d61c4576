// A playlist demuxed as a player plays it: every picture from each play
// item's in time to its out time once, decodable across the junction, with
// the sound and the captions on the picture's time line. Over discs of x264
// "medium" video (B-frames, open GOP), authored as users' discs are.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "bluray_probe.h"
#include "command_run.h"
#include "eac3to_program.h"
#include "media_cache.h"
#include "media_probe.h"
#include "x264_discs.h"

namespace eac3to::test {
namespace {

using quandrell::test::TempFolder;

// The split disc's stream cut into clips by the real tsMuxeR, as the
// discs of users are; empty without it.
std::filesystem::path TsMuxerSplitDisc() {
  const auto tsMuxer = RealTsMuxer();
  if (!tsMuxer) return {};
  return quandrell::test::CachedMedia("tsmuxer-split-disc", [&](const std::filesystem::path& root) {
    const auto source = quandrell::test::SplitClipSource().string();
    const std::string base = root.string();
    quandrell::test::RunFfmpeg({"-i", source, "-map", "0:v", "-c", "copy", "-f", "h264", base + ".h264",
                                "-map", "0:a", "-c", "copy", "-f", "ac3", base + ".ac3",
                                "-map", "0:s", "-c", "copy", "-f", "sup", base + ".sup"});
    std::ofstream(base + ".meta")
        << "MUXOPT --blu-ray --vbr --split-duration=4s --custom-chapters=00:00:00.000\n"
        << "V_MPEG4/ISO/AVC, \"" << base << ".h264\", fps=23.976, insertSEI, contSPS\n"
        << "A_AC3, \"" << base << ".ac3\", lang=eng\n"
        << "S_HDMV/PGS, \"" << base << ".sup\", lang=eng\n";
    const auto run = quandrell::test::RunCommand({tsMuxer->string(), base + ".meta", base});
    for (const char* extension : {".h264", ".ac3", ".sup", ".meta"}) std::filesystem::remove(base + extension);
    if (run.exitCode != 0) throw std::runtime_error("tsMuxeR failed: " + run.output);
  });
}

struct DiscCase {
  const char* name;
  std::filesystem::path (*disc)();
  int rateNum, rateDen;  // pictures per second
};

std::ostream& operator<<(std::ostream& out, const DiscCase& c) { return out << c.name; }

// The first caption of the first clip, counted from that clip's first picture.
double FirstCaptionSeconds(const std::filesystem::path& disc, const std::string& clip) {
  const auto streams = quandrell::test::ProbeStreams(disc / "BDMV" / "STREAM" / (clip + ".m2ts"));
  double video = 0, caption = 0;
  for (const auto& stream : streams) {
    const double start = std::atof(stream.Get("start_time").c_str());
    if (stream.Get("codec_type") == "video") video = start;
    if (stream.Get("codec_name") == "hdmv_pgs_subtitle") caption = start;
  }
  return caption - video;
}

class PlaylistSync : public testing::TestWithParam<DiscCase> {};

TEST_P(PlaylistSync, EveryPictureOnceWithTheSoundAndCaptionsOnItsTimeLine) {
  const DiscCase& c = GetParam();
  const auto disc = c.disc();
  if (disc.empty()) GTEST_SKIP() << "no real tsMuxeR on this machine";
  const auto titles = probeTitles(disc);
  ASSERT_EQ(titles.size(), 1u);
  const double frameSeconds = static_cast<double>(c.rateDen) / c.rateNum;
  const long playlistFrames = std::lround(static_cast<double>(titles[0].duration) / 90000 / frameSeconds);

  TempFolder folder;
  const auto run = RunEac3to({disc.string(), "1)", "2:", (folder / "v.h264").string(), "3:",
                              (folder / "a.ac3").string(), "3:", (folder / "a.flac").string(), "4:",
                              (folder / "s.sup").string()},
                             folder);
  ASSERT_EQ(run.exitCode, 0) << run.log;
  const long frames = quandrell::test::ProbeStreams(folder / "v.h264").at(0).Number("nb_read_packets");
  EXPECT_EQ(frames, playlistFrames);
  EXPECT_NE(run.log.find("\nVideo track 2 contains " + std::to_string(frames) + " frames.\n"), std::string::npos)
      << run.log;
  EXPECT_EQ(DecodeErrors(folder / "v.h264"), "");
  const double videoSeconds = static_cast<double>(frames) * frameSeconds;
  for (const char* audio : {"a.ac3", "a.flac"})
    EXPECT_NEAR(quandrell::test::ProbeDuration(folder / audio), videoSeconds, frameSeconds) << audio;
  const auto captions = CaptionTimes(folder / "s.sup");
  ASSERT_FALSE(captions.empty());
  EXPECT_NEAR(captions.front(), FirstCaptionSeconds(disc, titles[0].clips.front()), 0.001);
}

INSTANTIATE_TEST_SUITE_P(
    Discs, PlaylistSync,
    testing::Values(DiscCase{"SingleClip", quandrell::test::SingleClipDisc, 24000, 1001},
                    DiscCase{"TwoClipsJoined", quandrell::test::SplitClipDisc, 24000, 1001},
                    DiscCase{"Interlaced", quandrell::test::InterlacedDisc, 30000, 1001},
                    DiscCase{"TwoClipsSplitByTsMuxer", TsMuxerSplitDisc, 24000, 1001}),
    [](const testing::TestParamInfo<DiscCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace eac3to::test
