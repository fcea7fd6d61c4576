#include <gtest/gtest.h>

#include "composition_fixture.h"
#include "harness/temp_dir.h"

namespace {

using test::Ac3;
using test::DtsHdMa;
using test::Subtitle;
using test::Video;

// The scan dialog sizes the source when it opens: the film is on disk.
class ScanQuestionsTest : public test::CompositionTest {
 protected:
  ScanQuestionsTest() { test::WriteFile(film, std::string(192 * 10, '\0')); }
  void OpenFilm() { CompositionTest::OpenFilm(film); }

  test::TempDir disc;
  const std::string film = disc / "FILM/BDMV/STREAM/00001.m2ts";
  bool ScanDialogShown() {
    const int dialog = ui().PanelHandle(PAN_SCAN);
    return dialog != 0 && ui().IsPopupInstalled(dialog);
  }
};

TEST_F(ScanQuestionsTest, ForcedSubtitlesWantAScan) {
  Add(Video(1920, 1080));
  Add(Ac3(640));
  Add(Subtitle("PGS"));
  OpenFilm();
  ui().Script().Answer(1);
  AddToQueue();
  EXPECT_EQ(LastMessage(),
            "You have marked the forced subtitles option but have not done scanning bit rates.\n\n"
            "Do you want to scan the source to find if exist forced subtitles?");
  EXPECT_TRUE(ScanDialogShown());
  EXPECT_FALSE(Added());
  EXPECT_TRUE(SlotIsZero(0));
  EXPECT_EQ(Text(PANEL_SOURCE), film);  // the source stays for the scan
  AddToQueue();  // "No": the job is added without
  EXPECT_TRUE(Added());
}

TEST_F(ScanQuestionsTest, KeptSubtitlesWantAScanIn2dOnly) {
  Add(Video(1920, 1080));
  Add(Ac3(640));
  Add(Subtitle("PGS"));
  app().settings.ForcedSubtitle = 0;
  OpenFilm();
  ui().Script().Answer(1);
  AddToQueue();
  EXPECT_EQ(LastMessage(),
            "The subs have a variable bitrate and is necessary to scan the source to calculate the exact bit rate.\n\n"
            "Would you like to scan the bit rates before proceeding?");
  EXPECT_TRUE(ScanDialogShown());
  EXPECT_FALSE(Added());
  source().stereoMode = 1;
  ui().ClearPopups();
  AddToQueue();
  EXPECT_TRUE(ui().Popups().empty());
  EXPECT_TRUE(Added());
  EXPECT_EQ(Added0().mode3d, 1);
}

TEST_F(ScanQuestionsTest, KeptHdAudioWantsAScan) {
  Add(Video(1920, 1080));
  Add(DtsHdMa());
  app().settings.Media = 3;
  OpenFilm();
  ui().Script().Answer(1);
  AddToQueue();
  EXPECT_EQ(LastMessage(),
            "The HD audio has a variable bitrate and is necessary to scan the source to calculate the exact bitrate.\n\n"
            "Would you like to scan the bitrates before proceeding?");
  EXPECT_TRUE(ScanDialogShown());
  EXPECT_FALSE(Added());
}

TEST_F(ScanQuestionsTest, ACopiedVideoOfUnknownRateWantsAScan) {
  Add(Video(1920, 1080));
  Add(Ac3(640));
  source().general[0].overallBitrateKbps = 5000;  // an estimate of 3910 kb/s fits: copy
  OpenFilm();
  ASSERT_EQ(app().videoCopyChosen, 1);
  AddToQueue();
  EXPECT_EQ(LastMessage(),
            "It is recommended to scan the video source to calculate the exact bitrate\nand make sure it fits in the "
            "destination media.\n\nWould you like to scan the bitrates before proceeding?");
  ASSERT_TRUE(Added());  // "No": copied all the same
  EXPECT_EQ(Added0().videoCopy, 1);
  EXPECT_FALSE(ScanDialogShown());
}

TEST_F(ScanQuestionsTest, ANominalRateNeedsNoScan) {
  Add(Video(1920, 1080));
  source().video[0].bitrateKbps = 3000;
  OpenFilm();
  AddToQueue();
  EXPECT_TRUE(ui().Popups().empty());
  EXPECT_EQ(Added0().videoCopy, 1);
}

}  // namespace
