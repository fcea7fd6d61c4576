#include <gtest/gtest.h>

#include "composition_fixture.h"

namespace {

using test::Ac3;
using test::Subtitle;
using test::Video;

constexpr const char* kLowBitrate =
    "The bitrate is very low and the video quality may be poor. It is recommended to\n"
    "choose a media of greater size or lower the audio bitrate.\n\nWould you like to continue anyway?";
constexpr const char* kCrfLow =
    "CRF parameter is very low and the file size obtained can be very large. CRF recommended values are 17 to 25."
    "\n\nTIP: To keep the video untouched you can put CRF = 1 and the program will create a BDremux.\n\n"
    "Would you like to continue anyway?";

class WarningsTest : public test::CompositionTest {
 protected:
  // The user's own bitrate or CRF, then "Add to Queue", its question
  // answered with `answer` (0: as nobody answers, "No" or Enter).
  void AddWith(int bitrate, int answer = 0) {
    TypeBitrate(bitrate);
    ui().ClearPopups();
    if (answer != 0) ui().Script().Answer(answer);
    AddToQueue();
  }
  void OpenMkv(int media = 6) {
    app().settings.Media = media;
    OpenFilm("/films/film.m2ts");
  }
};

TEST_F(WarningsTest, LowBitrateForFullHd) {
  Add(Video(1440, 1080));
  OpenFilm();
  AddWith(3499);
  ASSERT_EQ(Titles(), (std::vector<std::string>{"WARNING"}));
  EXPECT_EQ(LastMessage(), kLowBitrate);
  EXPECT_FALSE(Added());
  EXPECT_TRUE(SlotIsZero(0));
  AddWith(3499, 1);
  EXPECT_TRUE(Added());
  OpenFilm();
  AddWith(3500);
  EXPECT_TRUE(ui().Popups().empty());
}

TEST_F(WarningsTest, LowBitrateWhenResizedTo720p) {
  OpenFilm();
  app().advanced.advResize720 = 1;
  AddWith(2000);
  EXPECT_TRUE(ui().Popups().empty());
  EXPECT_EQ(Added0().resize720, 1);
  OpenFilm();
  app().advanced.advResize720 = 1;
  AddWith(1999);
  EXPECT_EQ(LastMessage(), kLowBitrate);
}

TEST_F(WarningsTest, LosslessCrfOffersARemux) {
  OpenMkv();
  AddWith(0, 1);
  ASSERT_EQ(ui().Popups().size(), 1u);
  const auto popup = ui().Popups()[0];
  EXPECT_EQ(popup.title, "WARNING");
  EXPECT_EQ(popup.buttons, (std::vector<std::string>{"BD Remux (recommended)", "Lossless"}));
  EXPECT_EQ(popup.message.rfind("The lossless mode can produce a larger file size than the source!!!", 0), 0u);
  ASSERT_TRUE(Added());
  EXPECT_EQ(Added0().videoBitrate, 1);
  EXPECT_EQ(Added0().videoCopy, 1);
  EXPECT_STREQ(Added0().mediaLabel, "MKV Remux");

  OpenMkv();
  AddWith(0, 2);
  EXPECT_EQ(app().queue[1].videoBitrate, 0);
  EXPECT_EQ(app().queue[1].videoCopy, 0);
  EXPECT_STREQ(app().queue[1].mediaLabel, "MKV");
}

TEST_F(WarningsTest, CrfOneCopiesWithoutAWord) {
  OpenMkv();
  AddWith(1);
  EXPECT_TRUE(ui().Popups().empty());
  EXPECT_EQ(Added0().videoBitrate, 1);
  EXPECT_EQ(Added0().videoCopy, 1);
  EXPECT_EQ(Added0().media, 6);
}

TEST_F(WarningsTest, LowCrfsAskWithTheRemuxTip) {
  OpenMkv();
  AddWith(15);
  EXPECT_EQ(LastMessage(), kCrfLow);
  EXPECT_FALSE(Added());
  EXPECT_EQ(Focus(), PANEL_BITRATE);
  AddWith(2, 1);
  EXPECT_EQ(LastMessage(), kCrfLow);
  EXPECT_TRUE(Added());
  OpenMkv();
  AddWith(16);
  EXPECT_TRUE(ui().Popups().empty());
  EXPECT_EQ(app().queue[1].videoBitrate, 16);
  EXPECT_EQ(app().queue[1].videoCopy, 0);
}

TEST_F(WarningsTest, HighCrfAsks) {
  OpenMkv();
  AddWith(26);
  EXPECT_EQ(LastMessage(),
            "CRF parameter is very high and the obtained video quality may be poor. CRF recommended values are 17 to "
            "25.\n\nWould you like to continue anyway?");
  EXPECT_FALSE(Added());
  AddWith(26, 1);
  EXPECT_EQ(Added0().videoBitrate, 26);
  OpenMkv();
  AddWith(25);
  EXPECT_TRUE(ui().Popups().empty());
}

TEST_F(WarningsTest, MatroskaSourceMayBeRemuxed) {
  source().sourceIsMkv = 1;
  OpenMkv();
  AddWith(20, 1);
  ASSERT_EQ(ui().Popups().size(), 1u);
  EXPECT_EQ(ui().Popups()[0].title, "TIP");
  EXPECT_EQ(ui().Popups()[0].message,
            "We detected that the output format is MKV same as input.\n\nDo you want to remux only instead of "
            "recoding?");
  EXPECT_EQ(ui().Popups()[0].buttons, (std::vector<std::string>{"Remux only", "Full Recode CRF"}));
  EXPECT_EQ(Added0().videoBitrate, 1);
  EXPECT_EQ(Added0().videoCopy, 1);
  source().sourceIsMkv = 1;
  OpenMkv();
  AddWith(20, 2);
  EXPECT_EQ(app().queue[1].videoBitrate, 20);
}

TEST_F(WarningsTest, RemuxIsRefusedFor3d) {
  source().stereoMode = 1;
  OpenMkv(7);
  AddWith(1);
  ASSERT_EQ(Titles(), (std::vector<std::string>{"SORRY"}));
  EXPECT_EQ(LastMessage(),
            "Can't be used \"Remux mode\" in 3D SBS conversions due it's necessary to recode the video.\n\n"
            "Please, select another output option.");
  EXPECT_EQ(Focus(), PANEL_MEDIA);
  EXPECT_FALSE(Added());
  ChooseMedia(6);
  AddWith(1);  // in 3D a CRF of 1 is a very low CRF, not a copy
  EXPECT_EQ(LastMessage(),
            "CRF parameter is very low and the file size obtained can be very large. CRF recommended values are 17 to "
            "25.\n\nWould you like to continue anyway?");
}

TEST_F(WarningsTest, UnsupportedSubtitlesForAvchd) {
  Add(Video(1920, 1080));
  Add(Ac3(640));
  Add(Subtitle("VobSub"));
  app().settings.ForcedSubtitle = 0;
  OpenFilm();
  AddToQueue();
  EXPECT_EQ(Titles(), (std::vector<std::string>{"WARNING"}));
  EXPECT_EQ(LastMessage(), "VobSub subtitles are not supported. Please select PGS or UTF-8 formats if available.");
  EXPECT_FALSE(Added());
  ChooseSubtitleTarget(0);
  ui().ClearPopups();
  AddToQueue();
  EXPECT_TRUE(Added());
}

TEST_F(WarningsTest, AnOffSpecPictureAsks) {
  Add(Video(640, 480));
  OpenFilm();
  ui().Script().Answer(0);
  AddToQueue();
  EXPECT_EQ(LastMessage(),
            "The video resolution should be 1080, 720, 576 or 480 to meet the specifications of Blu-Ray/AVCHD.\n\n"
            "Would you like to continue anyway?");
  EXPECT_FALSE(Added());
  ui().Script().Answer(1);
  AddToQueue();
  ASSERT_TRUE(Added());
  EXPECT_EQ(Added0().videoWidth, 640);
  EXPECT_EQ(Added0().videoHeight, 480);
}

}  // namespace
