#include <gtest/gtest.h>

#include "composition_fixture.h"
#include "queue/picture_filter.h"

namespace {

void ExpectPicture(const AvchdPicture& picture, const char* filter, int width, int height) {
  EXPECT_EQ(picture.filter, filter);
  EXPECT_EQ(picture.width, width);
  EXPECT_EQ(picture.height, height);
  EXPECT_FALSE(picture.offSpec);
}

TEST(AvchdPicture, FullHdWidths) {
  ExpectPicture(AvchdPictureFor(1920, 800, false), " --vf \"pad:,,,,,1080\"", 1920, 1080);
  ExpectPicture(AvchdPictureFor(1920, 800, true), " --vf \"pad:,,,,,1080/resize:1280,720\"", 1280, 720);
  ExpectPicture(AvchdPictureFor(1440, 1080, true), " --vf \"resize:1280,720\"", 1280, 720);
  ExpectPicture(AvchdPictureFor(1440, 1080, false), "", 1440, 1080);
  ExpectPicture(AvchdPictureFor(1920, 1088, false), "", 1920, 1080);
}

TEST(AvchdPicture, SmallerWidths) {
  ExpectPicture(AvchdPictureFor(1280, 544, false), " --vf \"pad:,,,,,720\"", 1280, 720);
  ExpectPicture(AvchdPictureFor(1280, 720, true), "", 1280, 720);
  ExpectPicture(AvchdPictureFor(720, 576, false), "", 720, 576);
  ExpectPicture(AvchdPictureFor(720, 480, true), "", 720, 480);
  const AvchdPicture odd = AvchdPictureFor(1024, 576, false);
  EXPECT_TRUE(odd.offSpec);
  EXPECT_EQ(odd.filter, "");
  EXPECT_EQ(odd.width, 1024);
}

TEST(MkvFilter, CropAndResize) {
  EXPECT_EQ(MkvVideoFilter(1920, false, 800), " --vf \"crop:0,140,0,140\"");
  EXPECT_EQ(MkvVideoFilter(1920, true, 816), " --vf \"crop:0,132,0,132/resize:1280,,,fittobox=width\"");
  EXPECT_EQ(MkvVideoFilter(1920, false, 1040), " --vf \"crop:0,20,0,20\"");
  EXPECT_EQ(MkvVideoFilter(1920, true, 0), " --vf \"resize:1280,,,fittobox=width\"");
  EXPECT_EQ(MkvVideoFilter(1280, true, 0), "");
  EXPECT_EQ(MkvVideoFilter(1920, false, 0), "");
  EXPECT_EQ(MkvVideoFilter(1920, false, 868), " --vf \"crop:0,106,0,106\"");  // 212 / 2
}

class PictureTest : public test::CompositionTest {
 protected:
  void ApplyAdvanced(int crop, int resize) {
    Click(PANEL_ADVANCED);
    const int dialog = ui().PanelHandle(P_ADVANCED);
    ui().SetCtrlVal(dialog, P_ADVANCED_CROP, crop);
    ui().SetCtrlVal(dialog, P_ADVANCED_RESIZE, resize);
    ui().FireCtrlEvent(dialog, P_ADVANCED_APPLY, ui::EVENT_COMMIT);
  }
};

TEST_F(PictureTest, LetterboxedFilmOnBd25IsPadded) {
  Add(test::Video(1920, 800));
  app().settings.Media = 3;
  OpenFilm();
  AddToQueue();
  ASSERT_TRUE(Added());
  EXPECT_STREQ(Added0().x264VideoFilter, " --vf \"pad:,,,,,1080\"");
  EXPECT_EQ(Added0().videoWidth, 1920);
  EXPECT_EQ(Added0().videoHeight, 1080);
}

TEST_F(PictureTest, MkvCropFromTheAdvancedDialog) {
  app().settings.Media = 6;
  OpenFilm("/films/film.m2ts");
  ApplyAdvanced(800, 0);
  AddToQueue();
  ASSERT_TRUE(Added());
  EXPECT_STREQ(Added0().x264VideoFilter, " --vf \"crop:0,140,0,140\"");
  EXPECT_EQ(Added0().cropHeight, 800);
  EXPECT_EQ(Added0().resize720, 0);
}

TEST_F(PictureTest, ResizeWithAKeptPgsSubtitleResizesTheSubtitleToo) {
  Add(test::Video(1920, 1080));
  Add(test::Ac3(640));
  Add(test::Subtitle("PGS"));
  app().settings.ForcedSubtitle = 0;
  source().video[0].scannedPackets = 1;
  OpenFilm();
  ApplyAdvanced(0, 1);
  AddToQueue();
  ASSERT_TRUE(Added());
  EXPECT_EQ(Added0().resize720, 2);
  EXPECT_STREQ(Added0().x264VideoFilter, " --vf \"resize:1280,720\"");
}

}  // namespace
