#include <gtest/gtest.h>

#include "platform/fixed_text.h"
#include "support/planning_window.h"

namespace {

using test::Ac3;
using test::DtsHdMa;
using test::Pcm;
using test::Subtitle;
using test::Video;
using Names = std::vector<std::string>;

class TargetListsTest : public test::PlanningWindow {
 protected:
  void OpenWith(const AudioTrack& audio, int media) {
    app().settings.Media = media;
    Add(Video(1920, 1080));
    Add(audio);
    Open();
  }
};

TEST_F(TargetListsTest, DtsHdMaOnBd25KeepsTheTrack) {
  OpenWith(DtsHdMa(), 3);
  EXPECT_EQ(Labels(PANEL_AUDIO), (Names{"Untouched", "DTS Core", "AC3 640 Kbps", "AC3 448 Kbps", "AC3 384 Kbps"}));
  EXPECT_EQ(ChosenLabel(PANEL_AUDIO), "Untouched");
  EXPECT_EQ(Value(PANEL_AUDIO), 1);
}

TEST_F(TargetListsTest, DtsHdMaOnDvd5RecodesItsFastCore) {
  OpenWith(DtsHdMa(), 0);
  EXPECT_EQ(Labels(PANEL_AUDIO), (Names{"DTS Core", "AC3 640 Kbps", "AC3 448 Kbps", "AC3 384 Kbps"}));
  EXPECT_EQ(ChosenLabel(PANEL_AUDIO), "AC3 640 Kbps");
  ChooseMedia(1);  // DVD9 keeps the core
  EXPECT_EQ(ChosenLabel(PANEL_AUDIO), "DTS Core");
}

TEST_F(TargetListsTest, TrueHdWithAnAc3Core) {
  AudioTrack trueHd = Ac3(640);
  trueHd.isHd = 1;
  platform::CopyFixed(trueHd.profile, "TrueHD");
  OpenWith(trueHd, 6);
  EXPECT_EQ(Labels(PANEL_AUDIO),
            (Names{"Untouched", "FLAC (lossless)", "TrueHD Core", "AC3 640 Kbps", "AC3 448 Kbps", "AC3 384 Kbps"}));
  EXPECT_EQ(ChosenLabel(PANEL_AUDIO), "TrueHD Core");
}

TEST_F(TargetListsTest, PcmForMkvOffersFlac) {
  app().settings.UseFlac = 1;
  OpenWith(Pcm(), 6);
  EXPECT_EQ(Labels(PANEL_AUDIO), (Names{"Untouched", "FLAC (lossless)", "AC3 640 Kbps", "AC3 448 Kbps", "AC3 384 Kbps"}));
  EXPECT_EQ(ChosenLabel(PANEL_AUDIO), "FLAC (lossless)");
  ChooseMedia(3);
  EXPECT_EQ(Labels(PANEL_AUDIO), (Names{"Untouched", "AC3 640 Kbps", "AC3 448 Kbps", "AC3 384 Kbps"}));
  app().settings.UseFlac = 0;
  ChooseMedia(7);
  EXPECT_EQ(ChosenLabel(PANEL_AUDIO), "Untouched");
}

TEST_F(TargetListsTest, Ac3At448StaysOnDvd5) {
  OpenWith(Ac3(448), 0);
  EXPECT_EQ(ChosenLabel(PANEL_AUDIO), "Untouched");
  EXPECT_EQ(Value(PANEL_AUDIO), 0);
}

TEST_F(TargetListsTest, ChoosingAnotherSourceTrackRefillsTheTargets) {
  Add(Video(1920, 1080));
  Add(Ac3(448));
  Add(DtsHdMa(1509, "fre"));
  Open();
  ChooseAudioTrack(1);
  EXPECT_EQ(ChosenLabel(PANEL_AUDIO), "AC3 640 Kbps");
  ChooseAudioTrack(0);
  EXPECT_EQ(ChosenLabel(PANEL_AUDIO), "Untouched");
}

TEST_F(TargetListsTest, ExtractOnlyForcedFollowsTheChosenTrack) {
  Add(Video(1920, 1080));
  Add(Ac3(640));
  Add(Subtitle("PGS", "eng", 0));
  Add(Subtitle("PGS", "fre", 12));
  Open();
  EXPECT_EQ(Labels(PANEL_SUBT), (Names{"None", "Selected", "Selected forced"}));
  ChooseSubtitleTrack(1);
  EXPECT_EQ(Labels(PANEL_SUBT), (Names{"None", "Selected", "Selected forced", "Extract only forced"}));
  EXPECT_EQ(ChosenLabel(PANEL_SUBT), "Extract only forced");
  ChooseSubtitleTrack(0);
  EXPECT_EQ(Labels(PANEL_SUBT), (Names{"None", "Selected", "Selected forced"}));
  EXPECT_EQ(ChosenLabel(PANEL_SUBT), "None");
}

TEST_F(TargetListsTest, SubtitleTargetDefaults) {
  Add(Video(1920, 1080));
  Add(Ac3(640));
  Add(Subtitle("PGS", "eng", -1));
  Open();
  EXPECT_EQ(ChosenLabel(PANEL_SUBT), "Selected forced");  // the track says it is forced
  app().settings.ForcedSubtitle = 0;
  ChooseSubtitleTrack(0);
  EXPECT_EQ(ChosenLabel(PANEL_SUBT), "Selected");
  app().settings.NoSubtitle = 1;
  ChooseSubtitleTrack(0);
  EXPECT_EQ(ChosenLabel(PANEL_SUBT), "None");
}

TEST_F(TargetListsTest, SourceWithoutSubtitlesDropsExtractOnlyForced) {
  Add(Video(1920, 1080));
  Add(Ac3(640));
  Add(Subtitle("PGS", "eng", 5));
  Open();
  EXPECT_EQ(Labels(PANEL_SUBT).size(), 4u);
  source().subtitleCount = 0;
  Open();
  EXPECT_EQ(Labels(PANEL_SUBT).size(), 3u);
  EXPECT_EQ(ChosenLabel(PANEL_SUBT), "None");
}

}  // namespace
