#include <gtest/gtest.h>

#include "platform/fixed_text.h"
#include "preferences_fixture.h"

namespace {

using test::Ac3;
using test::Video;

class AdvancedDialogTest : public test::PreferencesTest {
 protected:
  int OpenAdvanced() {
    Click(PANEL_ADVANCED);
    return ui().PanelHandle(P_ADVANCED);
  }
  void Close(int dialog) { Press(dialog, P_ADVANCED_CANCEL); }
};

TEST_F(AdvancedDialogTest, CropOnlyForARecoded2dMkv) {
  Add(Video(1920, 1080));
  Add(Ac3(640));
  Open();
  app().advanced.advCropHeight = 816;
  int dialog = OpenAdvanced();
  EXPECT_EQ(Dimmed(dialog, P_ADVANCED_CROP), 1);  // AVCHD
  EXPECT_EQ(ui::AsInt(Get(dialog, P_ADVANCED_CROP)), 0);
  Close(dialog);

  ChooseMedia(6);
  dialog = OpenAdvanced();
  EXPECT_EQ(Dimmed(dialog, P_ADVANCED_CROP), 0);
  EXPECT_EQ(ui::AsInt(Get(dialog, P_ADVANCED_CROP)), 816);
  Close(dialog);

  TypeBitrate(1);  // a copy
  dialog = OpenAdvanced();
  EXPECT_EQ(Dimmed(dialog, P_ADVANCED_CROP), 1);
  Close(dialog);

  TypeBitrate(20);
  source().stereoMode = 1;
  dialog = OpenAdvanced();
  EXPECT_EQ(Dimmed(dialog, P_ADVANCED_CROP), 1);  // 3D
}

TEST_F(AdvancedDialogTest, ResizeOnlyForAProgressive1920Picture) {
  struct Case {
    int width;
    const char* scan;
    int media;
    int dimmed;
  };
  const Case cases[] = {{1920, "p", 0, 0}, {1920, "p", 6, 0}, {1920, "p", 7, 1}, {1280, "p", 0, 1}, {1920, "i", 0, 1}};
  for (const Case& c : cases) {
    source().videoCount = source().audioCount = 0;
    VideoTrack video = Video(c.width, 1080);
    platform::CopyFixed(video.scanType, c.scan);
    Add(video);
    Add(Ac3(640));
    Open();
    ChooseMedia(c.media);
    const int dialog = OpenAdvanced();
    EXPECT_EQ(Dimmed(dialog, P_ADVANCED_RESIZE), c.dimmed) << c.width << c.scan << c.media;
    Close(dialog);
  }
}

TEST_F(AdvancedDialogTest, ApplyKeepsTheOptionsAndRenewsTheAdvice) {
  Add(Video(1920, 1080));
  Add(Ac3(640));
  Open();
  ChooseMedia(6);
  TypeBitrate(23);
  int dialog = OpenAdvanced();
  EXPECT_EQ(ui::AsText(Get(dialog, P_ADVANCED_TUNE)), "film");
  Set(dialog, P_ADVANCED_TUNE, std::string("grain"));
  Set(dialog, P_ADVANCED_PARAM, std::string("--aq-mode 3"));
  Set(dialog, P_ADVANCED_CROP, 800);
  Set(dialog, P_ADVANCED_RESIZE, 1);
  ui().SetCtrlVal(panel(), PANEL_INFO, std::string());
  Press(dialog, P_ADVANCED_APPLY);
  EXPECT_FALSE(ui().PanelExists(dialog));
  EXPECT_STREQ(app().advanced.advTune, "grain");
  EXPECT_STREQ(app().advanced.advExtraOptions, "--aq-mode 3");
  EXPECT_EQ(app().advanced.advCropHeight, 800);
  EXPECT_EQ(app().advanced.advResize720, 1);
  EXPECT_EQ(Value(PANEL_BITRATE), 23);  // the user's CRF stays
  EXPECT_EQ(Info(), "Info: The video is recoded using a CRF 23. The quality is regular-low :(");

  dialog = OpenAdvanced();
  EXPECT_EQ(ui::AsText(Get(dialog, P_ADVANCED_PARAM)), "--aq-mode 3");
  Set(dialog, P_ADVANCED_TUNE, std::string("psnr"));
  Close(dialog);
  EXPECT_STREQ(app().advanced.advTune, "grain");
}

TEST_F(AdvancedDialogTest, TooManyX264ParametersAreNotCut) {
  Add(Video(1920, 1080));
  Add(Ac3(640));
  Open();
  const int dialog = OpenAdvanced();
  Set(dialog, P_ADVANCED_PARAM, std::string(128, 'x'));
  Press(dialog, P_ADVANCED_APPLY);
  EXPECT_EQ(ui().Popups().back().message, "The x264 parameters are too long: at most 127 bytes fit.");
  EXPECT_TRUE(ui().PanelExists(dialog));
  EXPECT_STREQ(app().advanced.advExtraOptions, "");
}

}  // namespace
