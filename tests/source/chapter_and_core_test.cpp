#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "harness/app_harness.h"
#include "platform/fixed_text.h"
#include "source/chapter_list.h"
#include "source/stream_listing.h"
#include "support/fake_eac3to.h"

namespace {

const char* kCapText =
    "CHAPTER01=00:00:00.000\r\nCHAPTER01NAME=Chapter 1\r\nCHAPTER02=00:05:12.345\r\nCHAPTER02NAME=Chapter 2\r\n";

TEST(ChaptersFromCapText, TimeLinesOnlyAndNeverTheLastLine) {
  EXPECT_EQ(ChaptersFromCapText(kCapText), "00:00:00.000\n00:05:12.345\n");
  EXPECT_EQ(ChaptersFromCapText("CHAPTER01=00:00:00.000\n\n\nCHAPTER02=00:01:00.000"), "00:00:00.000\n");
  EXPECT_EQ(ChaptersFromCapText("CHAPTER01=0:00\nCHAPTER01NAME=a long chapter name\nX"), "");
  EXPECT_EQ(ChaptersFromCapText(""), "");
}

TEST(LogShowsRightEye, UpToTheFirstEmptyLine) {
  EXPECT_TRUE(LogShowsRightEye("M2TS, 2 video tracks\n1: h264/AVC, 1080p24\n2: h264/MVC (Right Eye), 1080p24\n"));
  EXPECT_FALSE(LogShowsRightEye("M2TS\n\n2: h264/MVC (right eye), 1080p24\n"));
  EXPECT_FALSE(LogShowsRightEye(std::string(499, 'x') + "(right eye)\n"));
  EXPECT_FALSE(LogShowsRightEye(""));
}

SourceInfo WithAudio(std::initializer_list<const char*> profiles) {
  SourceInfo source{};
  source.videoCount = 1;
  for (const char* profile : profiles) {
    AudioTrack& audio = source.audio[source.audioCount++];
    std::strcpy(audio.profile, profile);
    audio.bitrateKbps = 1509;
  }
  return source;
}

// eac3to describes the core on the line after the track's own.
std::string MaLine(int number, const std::string& core) {
  return std::to_string(number) + ": DTS Master Audio, English, 5.1 channels, 24 bits, 48kHz\n"
         "   (core: DTS, 5.1 channels, 24 bits, " + core + "kbps, 48kHz)\n";
}

TEST(ApplyCoreBitrates, NumbersFollowTheChaptersAndVideoLines) {
  SourceInfo source = WithAudio({"MA", "", "HRA"});
  const std::string listing = "M2TS, 1 video track, 3 audio tracks\n1: Chapters, 16 chapters\n2: h264/AVC, 1080p24\n" +
                              MaLine(3, "1536") + "4: AC3, English, 2.0 channels, 192kbps, 48kHz\n" + MaLine(5, "768");
  ApplyCoreBitrates(listing, source);
  EXPECT_EQ(source.audio[0].bitrateKbps, 1536);
  EXPECT_EQ(source.audio[1].bitrateKbps, 1509);  // not MA or HRA: untouched
  EXPECT_EQ(source.audio[2].bitrateKbps, 768);
}

TEST(ApplyCoreBitrates, WithoutChaptersTheFirstAudioTrackIsNumberTwo) {
  SourceInfo source = WithAudio({"MA"});
  ApplyCoreBitrates("1: h264/AVC, 1080p24\n" + MaLine(2, "1234"), source);
  EXPECT_EQ(source.audio[0].bitrateKbps, 1234);
}

TEST(ApplyCoreBitrates, ALineWithoutItsCoreStopsTheReading) {
  SourceInfo source = WithAudio({"MA", "MA", "MA"});
  const std::string listing = "1: h264/AVC\n" + MaLine(2, "1000") +
                              "3: DTS Master Audio, French, 5.1 channels, 24 bits (48kHz)\n" + MaLine(4, "900");
  ApplyCoreBitrates(listing, source);
  EXPECT_EQ(source.audio[0].bitrateKbps, 1000);
  EXPECT_EQ(source.audio[1].bitrateKbps, 1509);
  EXPECT_EQ(source.audio[2].bitrateKbps, 1509);
}

TEST(ApplyCoreBitrates, ErrorsAndEmptyListingsChangeNothing) {
  SourceInfo source = WithAudio({"MA"});
  ApplyCoreBitrates("", source);
  ApplyCoreBitrates("<ERROR> x\n" + MaLine(2, "1000"), source);
  ApplyCoreBitrates("1: h264/AVC\n2: DTS Master Audio (core: DTS, 48kHz)\n", source);  // no kbps part
  EXPECT_EQ(source.audio[0].bitrateKbps, 1509);
}

class StreamListing : public ::testing::Test {
 protected:
  void SetUp() override {
    harness.StartMainWindow();
    platform::CopyFixed(app().settings.TempPath, harness.dir() / "temp");
    std::filesystem::create_directories(harness.dir() / "temp");
  }
  App& app() { return harness.app(); }
  std::string Chapters() { return ui::AsText(harness.ui().GetCtrlVal(harness.panel(), PANEL_CAPITOLS)); }
  int Dimmed(int control) {
    return ui::AsInt(harness.ui().GetCtrlAttribute(harness.panel(), control, ui::ATTR_DIMMED));
  }

  test::FakeEac3to eac3to;
  test::AppHarness harness;
};

TEST_F(StreamListing, AnM2tsFileGivesItsChaptersAndIsOneStreamFile) {
  eac3to.ChapterFile(kCapText);
  eac3to.StreamsLog("M2TS, 1 video track\n1: Chapters, 2 chapters\n2: h264/AVC\n3: h264/MVC (right eye)\n");
  const std::string temp = harness.dir() / "temp";
  ListSourceStreams(app(), "/discs/Some Film.M2TS", 0);
  const auto calls = eac3to.Calls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], (std::vector<std::string>{test::FakeEac3to::Program(), "/discs/Some Film.M2TS", "1:",
                                                temp + "/cap.txt", "-log=" + temp + "/eac3to_log.txt"}));
  EXPECT_EQ(Chapters(), "00:00:00.000\n00:05:12.345\n");
  EXPECT_EQ(app().source.singleStreamFile, 1);
  EXPECT_EQ(app().source.sourceIsMkv, 0);
  EXPECT_EQ(app().source.hasRightEye, 1);
  EXPECT_EQ(app().source.chaptersMissing, 0);
  EXPECT_EQ(Dimmed(PANEL_SCAN), 0);
  EXPECT_FALSE(std::filesystem::exists(temp + "/cap.txt"));
  EXPECT_FALSE(std::filesystem::exists(temp + "/eac3to_log.txt"));
}

TEST_F(StreamListing, AFolderPlaylistWithoutChaptersEmptiesTheChapterBox) {
  harness.ui().ResetTextBox(harness.panel(), PANEL_CAPITOLS, "old");
  harness.ui().SetCtrlVal(harness.panel(), PANEL_PLAYLIST_TIME, std::string("1:00:00"));
  app().source.stereoMode = 2;
  ListSourceStreams(app(), "/discs/FILM", 3);
  const auto calls = eac3to.Calls();
  ASSERT_EQ(calls.size(), 1u);
  ASSERT_EQ(calls[0].size(), 6u);
  EXPECT_EQ(calls[0][1], "/discs/FILM");
  EXPECT_EQ(calls[0][2], "3)");
  EXPECT_EQ(calls[0][3], "1:");
  EXPECT_EQ(Chapters(), "");
  EXPECT_EQ(ui::AsText(harness.ui().GetCtrlVal(harness.panel(), PANEL_PLAYLIST_TIME)), "");
  EXPECT_EQ(app().source.chaptersMissing, 1);
  EXPECT_EQ(app().source.singleStreamFile, 0);
  EXPECT_EQ(app().source.hasRightEye, 0);
  EXPECT_EQ(app().source.stereoMode, 0);
}

TEST_F(StreamListing, AnMkvFileRunsNoEac3toAndCannotBeScanned) {
  harness.ui().ResetTextBox(harness.panel(), PANEL_CAPITOLS, "kept");
  ListSourceStreams(app(), "/films/Film.MKV", 0);
  EXPECT_TRUE(eac3to.Calls().empty());
  EXPECT_EQ(app().source.sourceIsMkv, 1);
  EXPECT_EQ(app().source.singleStreamFile, 0);
  EXPECT_EQ(Dimmed(PANEL_SCAN), 1);
  EXPECT_EQ(Dimmed(PANEL_ADVANCED), 0);
  EXPECT_EQ(Chapters(), "kept");
}

TEST_F(StreamListing, APathWithADoubleQuoteIsRefusedBeforeAnythingRuns) {
  ListSourceStreams(app(), "/discs/Say \"hi\".m2ts", 0);
  EXPECT_TRUE(eac3to.Calls().empty());
  ASSERT_EQ(harness.ui().Popups().size(), 1u);
  EXPECT_EQ(harness.ui().Popups()[0].title, "ERROR");
  EXPECT_EQ(app().source.chaptersMissing, 1);
}

TEST_F(StreamListing, CoreBitratesComeFromAFileListing) {
  app().source = WithAudio({"MA"});
  eac3to.FileLog("M2TS\n1: h264/AVC\n" + MaLine(2, "1536"));
  ReadCoreBitrates(app(), "/discs/BDMV/STREAM/00001.m2ts");
  const auto calls = eac3to.Calls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].size(), 3u);
  EXPECT_EQ(calls[0][1], "/discs/BDMV/STREAM/00001.m2ts");
  EXPECT_EQ(app().source.audio[0].bitrateKbps, 1536);
}

}  // namespace
