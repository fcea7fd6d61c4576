#include <gtest/gtest.h>

#include "planning/bitrate_math.h"
#include "planning/verdict.h"
#include "platform/fixed_text.h"
#include "support/planning_window.h"

namespace {

using test::Ac3;
using test::DtsHdMa;
using test::Subtitle;
using test::Video;

class PlannerTest : public test::PlanningWindow {};

TEST(VideoBitrate, TwoHourFilmOnDvd5WithAc3At640) {
  EXPECT_EQ(ComputeVideoBitrate(7200000, 640, 216, 64, 215, 172800, 4700372992.0), 4250);
  // Round to nearest: 7375.92 and 3283.53.
  EXPECT_EQ(ComputeVideoBitrate(7200000, 1509, 214, 64, 215, 172800, 8543666176.0), 7376);
  EXPECT_EQ(ComputeVideoBitrate(7200000, 1509, 214, 64, 215, 172800, 4700372992.0), 3284);
  EXPECT_EQ(ComputeVideoBitrate(0, 640, 216, 64, 215, 0, 4700372992.0), 0);
}

TEST(AudioRate, TableAndDtsSources) {
  EXPECT_EQ(PlannedAudioRate(Ac3(640), 0).overheadBits, 216);
  EXPECT_EQ(PlannedAudioRate(Ac3(448), 0).overheadBits, 172);
  EXPECT_EQ(PlannedAudioRate(DtsHdMa(), 448).overheadBits, 376);  // an AC-3 recode of a DTS track
  EXPECT_EQ(PlannedAudioRate(DtsHdMa(), 576).overheadBits, 376);
  EXPECT_EQ(PlannedAudioRate(Ac3(768), 0).kbps, 754);
  EXPECT_EQ(PlannedAudioRate(Ac3(1411), 0).kbps, 1235);
  EXPECT_EQ(PlannedAudioRate(Ac3(1536), 0).kbps, 1509);
  const AudioRate other = PlannedAudioRate(Ac3(96), 0);
  EXPECT_EQ(other.kbps, 96);
  EXPECT_EQ(other.overheadBits, 216);
}

TEST(AudioRate, KeptHighDefinitionTrack) {
  AudioTrack track = DtsHdMa();
  AudioRate kept = PlannedAudioRate(track, 1);
  EXPECT_EQ(kept.kbps, 3800);  // "MA" without a known rate
  EXPECT_EQ(kept.overheadBits, 294);
  track.scannedBitrateKbps = 4000;
  kept = PlannedAudioRate(track, 1);
  EXPECT_EQ(kept.kbps, 4000);
  EXPECT_EQ(kept.overheadBits, 0);
  track.hdBitrateKbps = 4500;
  EXPECT_EQ(PlannedAudioRate(track, 1).kbps, 4500);
  platform::CopyFixed(track.profile, "HRA");
  track.hdBitrateKbps = track.scannedBitrateKbps = 0;
  EXPECT_EQ(PlannedAudioRate(track, 1).kbps, 3018);
  platform::CopyFixed(track.profile, "");
  EXPECT_EQ(PlannedAudioRate(track, 1).kbps, 1);
}

TEST(SourceEstimate, OverallRateLessTheOtherStreams) {
  SourceInfo source{};
  source.general[0].overallBitrateKbps = 30000;
  source.videoCount = 2;
  source.audioCount = 3;
  source.audio[0] = Ac3(640);
  source.audio[1] = DtsHdMa();  // no full rate: 3800 for "MA"
  source.audio[2] = DtsHdMa();
  source.audio[2].hdBitrateKbps = 2000;
  source.subtitleCount = 2;
  // 30000 - 2700 - 600 - 640 - 3800 - 2000 - 40
  EXPECT_EQ(EstimateSourceVideoBitrate(source), 20220);
}

TEST_F(PlannerTest, WorkedExampleOnDvd5) {
  Add(Video(1920, 1080));
  Add(Ac3(640));
  Add(Subtitle("PGS"));
  app().settings.ForcedSubtitle = 0;  // the subtitle target defaults to "Selected"
  Open();
  EXPECT_EQ(Value(PANEL_BITRATE), 4228);  // 4250 less 22 for a subtitle no scan has measured
  ChooseSubtitleTarget(0);
  EXPECT_EQ(Value(PANEL_BITRATE), 4250);
  EXPECT_EQ(Text(PANEL_INFO), "Info: It's necessary to recode the video at 4250 Kbps. The quality is regular :|");
  EXPECT_EQ(InfoColor(), 0xFF9900);
  EXPECT_EQ(app().videoCopyChosen, 0);
  EXPECT_EQ(ui::AsText(ui().GetCtrlAttribute(panel(), PANEL_BITRATE, ui::ATTR_LABEL_TEXT)), "Video Bitrate");
}

TEST_F(PlannerTest, ScannedSubtitlesTakeWhatWasMeasured) {
  Add(Video(1920, 1080));
  Add(Ac3(640));
  Add(Subtitle("PGS", "eng", 80));
  source().subtitle[0].scannedBitrateKbps = 30;
  source().general[0].scanDonePackets = 1000;
  app().settings.ForcedSubtitle = 0;
  Open();
  EXPECT_EQ(Value(PANEL_BITRATE), 4220);
  ChooseSubtitleTarget(3);  // over 70 forced captions only: 1 kb/s
  EXPECT_EQ(Value(PANEL_BITRATE), 4249);
  source().subtitle[0].forcedCaptions = 70;
  ChooseSubtitleTarget(3);
  EXPECT_EQ(Value(PANEL_BITRATE), 4250);
  source().stereoMode = 1;  // 3D: subtitles take nothing
  ChooseSubtitleTarget(1);
  EXPECT_EQ(Value(PANEL_BITRATE), 4250);
}

TEST_F(PlannerTest, SourceBelowTheTargetIsCopied) {
  Add(Video(1920, 1080));
  source().video[0].bitrateKbps = 4254;
  Add(Ac3(640));
  Open();
  EXPECT_EQ(Info(), "Info: source bitrate (~4254 Kbps) < target bitrate. Not need to recode video :)");
  EXPECT_EQ(InfoColor(), 0x0000FF);
  EXPECT_EQ(app().videoCopyChosen, 1);

  source().video[0].scannedBitrateKbps = 4255;  // a measured rate counts first
  ChooseMedia(0);
  EXPECT_EQ(app().videoCopyChosen, 0);
  source().video[0].scannedBitrateKbps = 0;
  source().stereoMode = 1;
  ChooseMedia(0);
  EXPECT_EQ(app().videoCopyChosen, 0);
  source().stereoMode = 0;
  source().sourceIsMkv = 1;
  ChooseMedia(0);
  EXPECT_EQ(app().videoCopyChosen, 0);
}

TEST_F(PlannerTest, EstimatedSourceRateWithoutOverallRateIsNotCopied) {
  Add(Video(1920, 1080));
  Add(Ac3(640));
  Open();  // no rate at all: the estimate is 0 - 640
  EXPECT_EQ(app().videoCopyChosen, 0);
  source().general[0].overallBitrateKbps = 5000;  // 4550 - 640 = 3910 fits under 4250
  ChooseMedia(0);
  EXPECT_EQ(Info(), "Info: source bitrate (~3910 Kbps) < target bitrate. Not need to recode video :)");
}

TEST_F(PlannerTest, DtsCoreAtItsRateAndTheKeptHdTrack) {
  Add(Video(1920, 1080));
  Add(DtsHdMa());
  app().settings.Media = 1;
  Open();
  EXPECT_EQ(ChosenLabel(PANEL_AUDIO), "DTS Core");
  EXPECT_EQ(Value(PANEL_BITRATE), 7376);  // a = 1509, r = 214
  ChooseMedia(3);
  EXPECT_EQ(ChosenLabel(PANEL_AUDIO), "Untouched");
  EXPECT_EQ(Value(PANEL_BITRATE), 22102);  // a = 3800, r = 294
}

TEST_F(PlannerTest, MkvTargetsHoldTheCrf) {
  Add(Video(1920, 1080));
  Add(Ac3(640));
  app().settings.CRF = 18;
  Open();
  ChooseMedia(6);
  EXPECT_EQ(Value(PANEL_BITRATE), 18);
  EXPECT_EQ(ui::AsText(ui().GetCtrlAttribute(panel(), PANEL_BITRATE, ui::ATTR_LABEL_TEXT)), "     CRF     ");
  EXPECT_EQ(Attribute(PANEL_BITRATE, ui::ATTR_DIMMED), 0);
  EXPECT_EQ(Info(), "Info: The video is recoded using a CRF 18. The quality is very good :))");
  TypeBitrate(24);
  EXPECT_EQ(Info(), "Info: The video is recoded using a CRF 24. The quality is regular-low :(");
  ChooseAudioTarget(448);  // the typed CRF stays
  EXPECT_EQ(Value(PANEL_BITRATE), 24);

  ChooseMedia(7);
  EXPECT_EQ(Value(PANEL_BITRATE), 1);
  EXPECT_EQ(Attribute(PANEL_BITRATE, ui::ATTR_DIMMED), 1);
  EXPECT_EQ(Info(), "Info: Not recode the video. Only remux the untouched video :)");
  EXPECT_EQ(app().videoCopyChosen, 1);
  ChooseMedia(1);
  EXPECT_EQ(Attribute(PANEL_BITRATE, ui::ATTR_DIMMED), 0);
}

TEST_F(PlannerTest, TypedDiscBitrateIsTheUsersOwn) {
  Add(Video(1920, 1080));
  Add(Ac3(640));
  Open();
  const std::string advice = Info();
  TypeBitrate(1000);
  EXPECT_EQ(Info(), advice);
}

// The advanced dialog's Apply judges the bitrate the user typed.
TEST_F(PlannerTest, PictureWidthSetsTheThresholds) {
  struct Case {
    int width;
    int resize;
    const char* quality;
  };
  for (const Case& c : {Case{1280, 0, "good :)"}, Case{1920, 0, "low :(("}, Case{1920, 1, "good :)"}}) {
    source().videoCount = source().audioCount = 0;
    Add(Video(c.width, 1080));
    Add(Ac3(640));
    Open();
    TypeBitrate(3400);
    Click(PANEL_ADVANCED);
    const int dialog = ui().PanelHandle(P_ADVANCED);
    ui().SetCtrlVal(dialog, P_ADVANCED_RESIZE, c.resize);
    ui().FireCtrlEvent(dialog, P_ADVANCED_APPLY, ui::EVENT_COMMIT);
    EXPECT_EQ(Info(), std::string("Info: It's necessary to recode the video at 3400 Kbps. The quality is ") + c.quality)
        << c.width;
  }
}

TEST_F(PlannerTest, NoVideoTrackLeavesBitrateAndAdvice) {
  Add(Ac3(640));
  ui().SetCtrlVal(panel(), PANEL_BITRATE, 777);
  app().videoCopyChosen = 1;
  Open();
  EXPECT_EQ(Value(PANEL_BITRATE), 777);
  EXPECT_EQ(Info(), "");
  EXPECT_EQ(app().videoCopyChosen, 1);
}

}  // namespace
