// Blu-ray folders: the disc listing, a playlist's streams and chapters, and
// joining the clips of a playlist.
#include <gtest/gtest.h>

#include "bluray_fixture.h"
#include "command_run.h"
#include "eac3to_program.h"
#include "media_probe.h"
#include "pgs_captions.h"

namespace eac3to::test {
namespace {

using quandrell::test::BlurayFolder;
using quandrell::test::TempFolder;

const char* const kBanner = "eac3to stand-in of Quandrell " QUANDRELL_VERSION;

TEST(Bluray, ListsPlaylistsLongestFirstWithTheClipsOfAJoinedOne) {
  TempFolder folder;
  const std::vector<std::string> expected = {kBanner,
                                             "1) 00002.mpls, 0:00:15",
                                             "   [00001+00002].m2ts",
                                             "2) 00001.mpls, 00001.m2ts, 0:00:10",
                                             "Done."};
  const auto run = RunEac3to({BlurayFolder().string()}, folder);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(Lines(run.log), expected);
  EXPECT_EQ(Lines(RunEac3to({(BlurayFolder() / "BDMV").string()}, folder).log), expected);
}

TEST(Bluray, PlaylistListingStartsWithChaptersAndWritesThemToTheTextFile) {
  TempFolder folder;
  const auto cap = folder / "cap.txt";
  const auto run = RunEac3to({BlurayFolder().string(), "2)", "1:", cap.string()}, folder);
  ASSERT_EQ(run.exitCode, 0) << run.log;
  const auto lines = Lines(run.log);
  ASSERT_GE(lines.size(), 7u) << run.log;
  const std::vector<std::string> listing(lines.begin() + 1, lines.begin() + 7);
  const std::vector<std::string> expected = {
      "M2TS, 1 video track, 2 audio tracks, 1 subtitle track, 0:00:10, 24p /1.001",
      "1: Chapters, 2 chapters",
      "2: h264/AVC, 1080p24 /1.001 (16:9)",
      "3: AC3, English, 5.1 channels, 448kbps, 48kHz, dialnorm: -31dB",
      "4: AC3, Spanish, 2.0 channels, 192kbps, 48kHz, dialnorm: -31dB",
      "5: Subtitle (PGS), English"};
  EXPECT_EQ(listing, expected);
  EXPECT_EQ(quandrell::test::ReadFile(cap),
            "CHAPTER01=00:00:00.000\nCHAPTER01NAME=Chapter 01\n"
            "CHAPTER02=00:00:04.000\nCHAPTER02NAME=Chapter 02\n");
}

TEST(Bluray, JoiningTheClipsGivesThePlaylistsDurationAndFrames) {
  TempFolder folder;
  const auto run = RunEac3to({BlurayFolder().string(), "1)", "2:", (folder / "v.mkv").string(),
                              "3:", (folder / "a.ac3").string(), "-progressnumbers"},
                             folder);
  ASSERT_EQ(run.exitCode, 0) << run.log;
  EXPECT_NEAR(quandrell::test::ProbeDuration(folder / "v.mkv"),
              quandrell::test::kTwoClipPlaylistSeconds, 0.1);
  EXPECT_NEAR(quandrell::test::ProbeDuration(folder / "a.ac3"),
              quandrell::test::kTwoClipPlaylistSeconds, 0.1);
  const auto frames = quandrell::test::ProbeStreams(folder / "v.mkv").at(0).Number("nb_read_packets");
  EXPECT_NEAR(frames, 15 * 24000 / 1001, 2);
  EXPECT_NE(run.log.find("\nVideo track 2 contains " + std::to_string(frames) + " frames.\n"),
            std::string::npos)
      << run.log;
}

TEST(Bluray, SubtitlesKeepTheirTimesFromThePlaylistStart) {
  TempFolder folder;
  const auto single = RunEac3to({BlurayFolder().string(), "2)", "5:", (folder / "one.sup").string()}, folder);
  ASSERT_EQ(single.exitCode, 0) << single.log;
  const auto one = CaptionTimes(folder / "one.sup");
  ASSERT_EQ(one.size(), 2u);
  EXPECT_NEAR(one[0], quandrell::test::kPgsShowSeconds, 0.01);
  EXPECT_NEAR(one[1], quandrell::test::kPgsClearSeconds, 0.01);
  const auto joined = RunEac3to({BlurayFolder().string(), "1)", "5:", (folder / "two.sup").string()}, folder);
  ASSERT_EQ(joined.exitCode, 0) << joined.log;
  const auto two = CaptionTimes(folder / "two.sup");
  const double secondClip = 240 * 1001 / 24000.0;  // the first clip's 240 frames
  ASSERT_EQ(two.size(), 4u);
  EXPECT_NEAR(two[2], secondClip + quandrell::test::kPgsShowSeconds, 0.05);
  EXPECT_NEAR(two[3], secondClip + quandrell::test::kPgsClearSeconds, 0.05);
}

TEST(Bluray, TracksWithoutAPlaylistNumberComeFromTheFirstPlaylist) {
  TempFolder folder;
  const auto run = RunEac3to({BlurayFolder().string(), "4:", (folder / "a.ac3").string()}, folder);
  ASSERT_EQ(run.exitCode, 0) << run.log;
  EXPECT_NEAR(quandrell::test::ProbeDuration(folder / "a.ac3"),
              quandrell::test::kTwoClipPlaylistSeconds, 0.1);
}

TEST(Bluray, UnknownPlaylistAndFoldersWithoutBdmvAreErrors) {
  TempFolder folder;
  const auto unknown = RunEac3to({BlurayFolder().string(), "3)", "1:", (folder / "c.txt").string()}, folder);
  EXPECT_EQ(unknown.exitCode, 1);
  EXPECT_NE(unknown.log.find("<ERROR> The disc has no playlist 3) (it lists 2)."), std::string::npos)
      << unknown.log;
  EXPECT_FALSE(std::filesystem::exists(folder / "c.txt"));
  const auto empty = RunEac3to({folder.path().string()}, folder);
  EXPECT_EQ(empty.exitCode, 1);
  EXPECT_NE(empty.log.find("is no Blu-ray folder"), std::string::npos) << empty.log;
}

}  // namespace
}  // namespace eac3to::test
