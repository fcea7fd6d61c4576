#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "harness/app_harness.h"
#include "source/media_info.h"
#include "source/track_probe.h"
#include "support/test_media.h"

namespace {

class TrackProbe : public ::testing::Test {
 protected:
  void SetUp() override { harness.StartMainWindow(); }
  SourceInfo& source() { return harness.app().source; }
  std::string Chapters() { return ui::AsText(harness.ui().GetCtrlVal(harness.panel(), PANEL_CAPITOLS)); }

  test::AppHarness harness;
};

TEST_F(TrackProbe, TransportStreamWithTwoAudioTracks) {
  ProbeTracks(harness.app(), test::Media().m2ts, "");
  EXPECT_EQ(source().generalCount, 1);
  EXPECT_GT(source().general[0].overallBitrateKbps, 0);
  ASSERT_EQ(source().videoCount, 1);
  const VideoTrack& video = source().video[0];
  EXPECT_EQ(video.id, 4113);
  EXPECT_STREQ(video.format, "AVC");
  EXPECT_EQ(video.width, 320);
  EXPECT_EQ(video.height, 240);
  EXPECT_STREQ(video.frameRate, "23.976");
  EXPECT_STREQ(video.frameRateFraction, "24000/1001");
  EXPECT_EQ(std::string(video.frameRateText).rfind("23.976", 0), 0u);
  EXPECT_STREQ(video.scanType, "p");
  EXPECT_STREQ(video.aspectRatio, "4:3");
  EXPECT_STREQ(video.durationText, "00:00:03");
  EXPECT_NEAR(video.durationMs, 3983, 50);
  EXPECT_NEAR(video.frameCount, 95, 1);
  ASSERT_EQ(source().audioCount, 2);
  EXPECT_EQ(source().audio[0].id, 4352);
  EXPECT_EQ(source().audio[1].id, 4353);
  EXPECT_STREQ(source().audio[0].language, "eng");
  EXPECT_STREQ(source().audio[0].languageName, "English");
  EXPECT_STREQ(source().audio[1].language, "spa");
  EXPECT_STREQ(source().audio[0].format, "AC-3");
  EXPECT_STREQ(source().audio[0].channels, "1 ch");
  EXPECT_EQ(source().audio[0].bitrateKbps, 192);
  EXPECT_EQ(source().audio[0].isHd, 0);
  EXPECT_EQ(source().subtitleCount, 0);
  EXPECT_EQ(MediaInfoUseCount(), 0);
}

TEST_F(TrackProbe, APlaylistDurationReplacesTheClipsOwn) {
  ProbeTracks(harness.app(), test::Media().m2ts, "1:45:32");
  EXPECT_STREQ(source().video[0].durationText, "1:45:32");
  EXPECT_DOUBLE_EQ(source().video[0].durationMs, 6332000.0);
  EXPECT_NEAR(source().video[0].frameCount, 151816.032, 1e-6);
}

TEST_F(TrackProbe, InterlacedClip) {
  ProbeTracks(harness.app(), test::Media().interlaced, "");
  ASSERT_EQ(source().videoCount, 1);
  EXPECT_STREQ(source().video[0].scanType, "i");
  EXPECT_STREQ(source().video[0].frameRate, "25.000");
  EXPECT_STREQ(source().video[0].frameRateFraction, "25/1");
  EXPECT_DOUBLE_EQ(source().video[0].frameCount, 75.0);
  EXPECT_EQ(source().audioCount, 0);
}

TEST_F(TrackProbe, MatroskaTracksAndChapters) {
  source().sourceIsMkv = 1;
  ProbeTracks(harness.app(), test::Media().mkv, "");
  EXPECT_EQ(source().video[0].id, 1);
  EXPECT_DOUBLE_EQ(source().video[0].durationMs, 3000.0);
  ASSERT_EQ(source().audioCount, 1);
  EXPECT_EQ(source().audio[0].id, 2);
  EXPECT_STREQ(source().audio[0].language, "fra");
  EXPECT_STREQ(source().audio[0].codecId, "A_AC3");
  ASSERT_EQ(source().subtitleCount, 1);
  const SubtitleTrack& subtitle = source().subtitle[0];
  EXPECT_EQ(subtitle.id, 3);
  EXPECT_STREQ(subtitle.language, "deu");
  EXPECT_STREQ(subtitle.languageName, "German");
  EXPECT_STREQ(subtitle.format, "UTF-8");
  EXPECT_STREQ(subtitle.codecId, "S_TEXT/UTF8");
  EXPECT_STREQ(subtitle.title, "Forced subs");
  EXPECT_EQ(subtitle.forcedCaptions, -1);
  EXPECT_EQ(Chapters(), "00:00:00.000\n00:00:01.500");
  EXPECT_EQ(source().chaptersMissing, 0);
}

TEST_F(TrackProbe, MatroskaWithoutChaptersEmptiesTheChapterBox) {
  source().sourceIsMkv = 1;
  harness.ui().ResetTextBox(harness.panel(), PANEL_CAPITOLS, "old");
  harness.ui().SetCtrlVal(harness.panel(), PANEL_PLAYLIST_TIME, std::string("1:00:00"));
  ProbeTracks(harness.app(), test::Media().mkvBare, "");
  EXPECT_EQ(Chapters(), "");
  EXPECT_EQ(ui::AsText(harness.ui().GetCtrlVal(harness.panel(), PANEL_PLAYLIST_TIME)), "");
  EXPECT_EQ(source().chaptersMissing, 1);
}

TEST_F(TrackProbe, TransportStreamChaptersAreNotTheProbesBusiness) {
  harness.ui().ResetTextBox(harness.panel(), PANEL_CAPITOLS, "from eac3to");
  ProbeTracks(harness.app(), test::Media().m2ts, "");
  EXPECT_EQ(Chapters(), "from eac3to");
}

TEST_F(TrackProbe, AFileThatCannotBeOpenedLeavesTheTablesUnchanged) {
  source().videoCount = 1;
  source().video[0].id = 77;
  source().audioCount = 1;
  std::strcpy(source().audio[0].language, "xyz");
  ProbeTracks(harness.app(), harness.dir() / "missing.m2ts", "");
  EXPECT_EQ(source().videoCount, 1);
  EXPECT_EQ(source().video[0].id, 77);
  EXPECT_STREQ(source().audio[0].language, "xyz");
  EXPECT_EQ(MediaInfoUseCount(), 0);
  EXPECT_FALSE(harness.ui().WaitCursor());
}

TEST_F(TrackProbe, PathsAreUtf8) {
  const std::string path = harness.dir() / "Am\u00E9lie \u00F1.m2ts";
  std::filesystem::copy_file(test::Media().m2ts, path);
  ProbeTracks(harness.app(), path, "");
  EXPECT_EQ(source().videoCount, 1);
  EXPECT_EQ(source().audioCount, 2);
}

}  // namespace
