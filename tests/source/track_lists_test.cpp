#include <gtest/gtest.h>

#include <cstring>

#include "harness/app_harness.h"
#include "source/track_lists.h"

namespace {

VideoTrack Video() {
  VideoTrack video{};
  video.id = 4113;
  std::strcpy(video.durationText, "1:45:32");
  std::strcpy(video.format, "AVC");
  video.bitrateKbps = 28000;
  video.width = 1920;
  video.height = 1080;
  std::strcpy(video.scanType, "p");
  std::strcpy(video.frameRateText, "23.976 fps");
  std::strcpy(video.aspectRatio, "16:9");
  video.durationMs = 10000;
  return video;
}

AudioTrack Audio(int isHd) {
  AudioTrack audio{};
  audio.id = 4352;
  std::strcpy(audio.language, "eng");
  std::strcpy(audio.format, isHd ? "DTS" : "AC-3");
  std::strcpy(audio.profile, isHd ? "MA" : "");
  std::strcpy(audio.channels, "6 ch");
  std::strcpy(audio.samplingRate, "48.0 KHz");
  audio.isHd = isHd;
  audio.bitrateKbps = isHd ? 1509 : 448;
  return audio;
}

TEST(TrackListTexts, Video) {
  VideoTrack video = Video();
  EXPECT_EQ(VideoItemText(video), "4113 :  1:45:32  AVC  28000 Kbps  (1920x1080p / 23.976 fps / 16:9)");
  video.scannedBitrateKbps = 27500;
  EXPECT_EQ(VideoItemText(video), "4113 :  1:45:32  AVC  27500 Kbps  (1920x1080p / 23.976 fps / 16:9)");
  video.scannedBitrateKbps = video.bitrateKbps = 0;
  EXPECT_EQ(VideoItemText(video), "4113 :  1:45:32  AVC  (1920x1080p / 23.976 fps / 16:9)");
}

TEST(TrackListTexts, AudioWithAndWithoutCore) {
  AudioTrack hd = Audio(1);
  std::strcpy(hd.languageName, "English");
  std::strcpy(hd.resolution, "24 bits");
  hd.hdBitrateKbps = 3500;
  EXPECT_EQ(AudioItemText(hd), "4352 :  English  DTS MA  3500 Kbps  (6 ch / Core 1509 Kbps / 48.0 KHz / 24 bits)");
  hd.hdBitrateKbps = 0;
  EXPECT_EQ(AudioItemText(hd), "4352 :  English  DTS MA  (6 ch / Core 1509 Kbps / 48.0 KHz / 24 bits)");
  hd.scannedBitrateKbps = 3100;
  EXPECT_EQ(AudioItemText(hd), "4352 :  English  DTS MA  3100 Kbps  (6 ch / Core 1509 Kbps / 48.0 KHz / 24 bits)");

  AudioTrack plain = Audio(0);
  std::strcpy(plain.dialnorm, "-31 dB");
  plain.delayMs = -24;
  EXPECT_EQ(AudioItemText(plain), "4352 :  eng  AC-3  448 Kbps  (6 ch / 48.0 KHz / -31 dB / delay -24 ms)");
  plain.delayMs = 0;
  EXPECT_EQ(AudioItemText(plain), "4352 :  eng  AC-3  448 Kbps  (6 ch / 48.0 KHz / -31 dB)");
}

TEST(TrackListTexts, SubtitlesShowTheirMeasuredRateOnlyAfterAScan) {
  SourceInfo source{};
  source.video[0] = Video();
  SubtitleTrack subtitle{};
  subtitle.id = 4608;
  std::strcpy(subtitle.languageName, "French");
  std::strcpy(subtitle.format, "PGS");
  subtitle.forcedCaptions = -1;
  subtitle.scannedPackets = 100;
  EXPECT_EQ(SubtitleItemText(subtitle, source), "4608 :  French  PGS  ");
  source.general[0].scanTotalPackets = 1000;
  source.general[0].scanDonePackets = 500;  // half of 10 s read: 5 s
  EXPECT_EQ(SubtitleItemText(subtitle, source), "4608 :  French  PGS    (29.44 Kbps / forced subs track?)");
  subtitle.forcedCaptions = 3;
  std::strcpy(subtitle.title, "Forced");
  EXPECT_EQ(SubtitleItemText(subtitle, source), "4608 :  French  PGS  Forced  (29.44 Kbps / 3 forced captions)");
  subtitle.forcedCaptions = 0;
  source.general[0].scanDonePackets = 0;  // nothing read yet
  EXPECT_EQ(SubtitleItemText(subtitle, source), "4608 :  French  PGS  Forced  (0.00 Kbps)");
}

TEST(ShowTrackLists, ARefreshKeepsTheChosenItems) {
  test::AppHarness harness;
  harness.StartMainWindow();
  SourceInfo& source = harness.app().source;
  source.videoCount = 1;
  source.video[0] = Video();
  source.audioCount = 2;
  source.audio[0] = Audio(0);
  source.audio[1] = Audio(1);
  ShowTrackLists(harness.app(), 0);
  auto& ui = harness.ui();
  ASSERT_EQ(ui.GetNumListItems(harness.panel(), PANEL_S_AUDIO), 2);
  EXPECT_EQ(ui::AsInt(ui.GetValueFromIndex(harness.panel(), PANEL_S_AUDIO, 1)), 1);
  ui.SetCtrlIndex(harness.panel(), PANEL_S_AUDIO, 1);
  source.audio[1].scannedBitrateKbps = 2999;
  ShowTrackLists(harness.app(), 1);
  EXPECT_EQ(ui.GetCtrlIndex(harness.panel(), PANEL_S_AUDIO), 1);
  EXPECT_NE(ui.GetLabelFromIndex(harness.panel(), PANEL_S_AUDIO, 1).find("2999 Kbps"), std::string::npos);
  ShowTrackLists(harness.app(), 0);
  EXPECT_EQ(ui.GetNumListItems(harness.panel(), PANEL_S_AUDIO), 2);
  EXPECT_EQ(ui.GetNumListItems(harness.panel(), PANEL_S_VIDEO), 1);
  EXPECT_EQ(ui.GetNumListItems(harness.panel(), PANEL_S_SUB), 0);
}

}  // namespace
