// Tracks that start after the picture (an MKV track's delay, a clip's audio
// that begins late) are written to start with the picture; kept LPCM is a
// WAV file that tsMuxeR muxes whole.
#include <gtest/gtest.h>

#include <fstream>

#include "command_run.h"
#include "eac3to_program.h"
#include "media_cache.h"
#include "media_fixtures.h"
#include "media_probe.h"

namespace eac3to::test {
namespace {

using quandrell::test::M2tsClip;
using quandrell::test::TempFolder;
namespace fs = std::filesystem;

// The clip's video with its English track moved later by offset seconds.
fs::path DelayedAudio(const std::string& offset, bool matroska) {
  const std::string name = "delayed-" + offset + (matroska ? ".mkv" : ".m2ts");
  return quandrell::test::CachedMedia(name, [&](const fs::path& out) {
    std::vector<std::string> args = {"-i", M2tsClip().string(), "-itsoffset", offset, "-i",
                                     M2tsClip().string(), "-map", "0:v", "-map", "1:a:0", "-c", "copy"};
    const std::vector<std::string> container =
        matroska ? std::vector<std::string>{"-f", "matroska"}
                 : std::vector<std::string>{"-streamid", "0:0x1011", "-streamid", "1:0x1100", "-f", "mpegts",
                                            "-mpegts_m2ts_mode", "1"};
    args.insert(args.end(), container.begin(), container.end());
    args.push_back(out.string());
    quandrell::test::RunFfmpeg(args);
  });
}

// The loudest sample of the first seconds of a file, in dB.
double PeakDb(const fs::path& file, double seconds) {
  const auto run = quandrell::test::RunCommand({"ffmpeg", "-nostdin", "-t", std::to_string(seconds), "-i",
                                                file.string(), "-af", "volumedetect", "-f", "null", "-"});
  const auto at = run.errors.find("max_volume: ");
  return at == std::string::npos ? 0 : std::atof(run.errors.c_str() + at + 12);
}

struct DelayCase {
  const char* name;
  bool matroska;
  const char* offset;   // seconds
  int silentFrames;     // AC-3 frames of 32 ms put in front of the copy
};

std::ostream& operator<<(std::ostream& out, const DelayCase& c) { return out << c.name; }

class TrackStart : public testing::TestWithParam<DelayCase> {};

TEST_P(TrackStart, ALateTrackIsPaddedToThePicturesStart) {
  const DelayCase& c = GetParam();
  TempFolder folder;
  const auto plain = RunEac3to({M2tsClip().string(), "2:", (folder / "plain.ac3").string()}, folder);
  ASSERT_EQ(plain.exitCode, 0) << plain.log;
  const auto run = RunEac3to({DelayedAudio(c.offset, c.matroska).string(), "2:", (folder / "a.ac3").string(),
                              "2:", (folder / "a.flac").string()},
                             folder);
  ASSERT_EQ(run.exitCode, 0) << run.log;
  EXPECT_NE(run.log.find("\nDelaying the track by " + std::to_string(c.silentFrames) + " silent frames ("),
            std::string::npos)
      << run.log;
  // The clip's own track starts with the picture: its copy is the length of the sound.
  const double sound = quandrell::test::ProbeDuration(folder / "plain.ac3"), delay = std::atof(c.offset);
  EXPECT_NEAR(quandrell::test::ProbeDuration(folder / "a.ac3"), sound + c.silentFrames * 0.032, 0.001);
  EXPECT_NEAR(quandrell::test::ProbeDuration(folder / "a.flac"), sound + delay, 0.002);
  for (const char* name : {"a.ac3", "a.flac"}) {
    EXPECT_LT(PeakDb(folder / name, delay - 0.04), -80) << name << ": the start is silent";
    EXPECT_GT(PeakDb(folder / name, delay + 0.1), -30) << name << ": the tone follows";
  }
}

INSTANTIATE_TEST_SUITE_P(Sources, TrackStart,
                         testing::Values(DelayCase{"MatroskaTrackDelay", true, "0.2", 6},
                                         DelayCase{"ClipAudioStartingLate", false, "0.1", 3}),
                         [](const testing::TestParamInfo<DelayCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace eac3to::test
