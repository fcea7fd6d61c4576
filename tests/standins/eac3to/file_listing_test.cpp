// The listing of media files, checked line by line and against libmediainfo's
// track order, which the program turns into track numbers.
#include <gtest/gtest.h>

#include <fstream>

#include "command_run.h"
#include "eac3to_program.h"
#include "media_cache.h"
#include "media_fixtures.h"
#include "media_info.h"

namespace eac3to::test {
namespace {

using quandrell::test::TempFolder;

const char* const kBanner = "eac3to stand-in of Quandrell " QUANDRELL_VERSION;

// The clip with its audio PIDs in the opposite order of the program map, so
// that FFmpeg's stream order and libmediainfo's track order differ.
std::filesystem::path SwappedPidClip() {
  return quandrell::test::CachedMedia("swapped-pids.m2ts", [](const std::filesystem::path& out) {
    quandrell::test::RunFfmpeg({"-i", quandrell::test::M2tsClip().string(), "-map", "0:v",
                                "-map", "0:2", "-map", "0:1", "-c", "copy", "-streamid",
                                "0:0x1011", "-streamid", "1:0x1101", "-streamid", "2:0x1100",
                                "-f", "mpegts", "-mpegts_m2ts_mode", "1", out.string()});
  });
}

TEST(FileListing, M2tsListsVideoThenAudioLikeEac3to) {
  TempFolder folder;
  const auto run = RunEac3to({quandrell::test::M2tsClip().string()}, folder);
  EXPECT_EQ(run.exitCode, 0);
  const std::vector<std::string> expected = {
      kBanner,
      "M2TS, 1 video track, 2 audio tracks, 0:00:10, 24p /1.001",
      "1: h264/AVC, 1080p24 /1.001 (16:9)",
      "2: AC3, English, 5.1 channels, 448kbps, 48kHz, dialnorm: -31dB",
      "3: AC3, Spanish, 2.0 channels, 192kbps, 48kHz, dialnorm: -31dB",
      "Done."};
  EXPECT_EQ(Lines(run.log), expected);
  EXPECT_EQ(run.output, run.log);
}

TEST(FileListing, MatroskaHasNoChaptersEntrySoVideoIsTrackOne) {
  TempFolder folder;
  const auto run = RunEac3to({quandrell::test::MatroskaWithChapters().string()}, folder);
  EXPECT_EQ(run.exitCode, 0);
  const std::vector<std::string> expected = {
      kBanner,
      "MKV, 1 video track, 2 audio tracks, 1 subtitle track, 0:00:10, 24p /1.001",
      "1: h264/AVC, 1080p24 /1.001 (16:9)",
      "2: AC3, English, 5.1 channels, 448kbps, 48kHz, dialnorm: -31dB",
      "3: AC3, Spanish, 2.0 channels, 192kbps, 48kHz, dialnorm: -31dB",
      "4: Subtitle (SRT), English",
      "Done."};
  EXPECT_EQ(Lines(run.log), expected);
}

// Track N of the listing must be the stream the program numbers N from
// libmediainfo's tables: video first, then audio and text in its order.
void ExpectMediaInfoOrder(const std::filesystem::path& file) {
  TempFolder folder;
  const auto lines = Lines(RunEac3to({file.string()}, folder).log);
  const MediaInfo info(file);
  const int videos = info.Count(MediaInfo::kVideo);
  const int audios = info.Count(MediaInfo::kAudio);
  for (int i = 0; i < audios; ++i) {
    const std::string line = lines.at(2 + videos + i);
    EXPECT_NE(line.find(info.Get(MediaInfo::kAudio, i, "Language/String")), std::string::npos)
        << line;
    const std::string channels = info.Get(MediaInfo::kAudio, i, "Channel(s)") == "6" ? "5.1" : "2.0";
    EXPECT_NE(line.find(channels + " channels"), std::string::npos) << line;
  }
  for (int i = 0; i < info.Count(MediaInfo::kText); ++i) {
    const std::string line = lines.at(2 + videos + audios + i);
    EXPECT_EQ(line.substr(0, line.find(':')), std::to_string(1 + videos + audios + i));
    EXPECT_NE(line.find(info.Get(MediaInfo::kText, i, "Language/String")), std::string::npos);
  }
}

TEST(FileListing, AudioOrderFollowsLibmediainfo) {
  ExpectMediaInfoOrder(quandrell::test::M2tsClip());
  ExpectMediaInfoOrder(SwappedPidClip());
  ExpectMediaInfoOrder(quandrell::test::MatroskaWithChapters());
}

TEST(FileListing, PidOrderWinsOverTheProgramMapOrder) {
  TempFolder folder;
  const auto lines = Lines(RunEac3to({SwappedPidClip().string()}, folder).log);
  EXPECT_EQ(lines.at(3), "2: AC3, English, 5.1 channels, 448kbps, 48kHz, dialnorm: -31dB");
}

TEST(FileListing, MissingSourceIsAnErrorInTheLog) {
  TempFolder folder;
  const auto run = RunEac3to({(folder / "nothing.m2ts").string()}, folder);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.log.find("<ERROR> The source file \"" + (folder / "nothing.m2ts").string() +
                         "\" doesn't exist."),
            std::string::npos)
      << run.log;
}

TEST(FileListing, UnreadableSourceAndBadCommandLinesAreErrors) {
  TempFolder folder;
  std::ofstream(folder / "junk.m2ts") << "not a transport stream";
  EXPECT_EQ(RunEac3to({(folder / "junk.m2ts").string()}, folder).exitCode, 1);
  const auto bad = RunEac3to({quandrell::test::M2tsClip().string(), "-turbo"}, folder);
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_NE(bad.log.find("<ERROR> Unknown option \"-turbo\"."), std::string::npos) << bad.log;
  const auto playlistOnFile = RunEac3to({quandrell::test::M2tsClip().string(), "2)"}, folder);
  EXPECT_EQ(playlistOnFile.exitCode, 1);
  EXPECT_NE(playlistOnFile.log.find("<ERROR>"), std::string::npos);
}

TEST(FileListing, ALogThatCantBeWrittenFailsTheRun) {
  const auto result = quandrell::test::RunCommand(
      {Eac3toProgram(), quandrell::test::M2tsClip().string(), "-log=/nonexistent/folder/log.txt"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.output.find("<ERROR> The log file \"/nonexistent/folder/log.txt\" can't be written."),
            std::string::npos)
      << result.output;
}

}  // namespace
}  // namespace eac3to::test
