#include <gtest/gtest.h>

#include "platform/fixed_text.h"
#include "support/planning_window.h"

namespace {

using test::Ac3;
using test::DtsHdMa;
using test::Pcm;
using test::Subtitle;
using test::Video;

class MediaListTest : public test::PlanningWindow {
 protected:
  std::string Out(const std::string& name) { return h.dir() / ("out/" + name); }
};

TEST_F(MediaListTest, LoadingAppliesTheMediaPreferences) {
  app().settings.Media = 5;
  app().settings.CustomMedia = 12000;
  platform::CopyFixed(app().settings.Preset, "slower");
  platform::CopyFixed(app().advanced.advExtraOptions, "--no-mbtree");
  app().advanced.advCropHeight = 800;
  Add(Video(1920, 1080));
  Add(Ac3(640));
  Open();
  EXPECT_EQ(ChosenLabel(PANEL_MEDIA), "12000 MB");
  EXPECT_EQ(ui::AsDouble(ui().GetCtrlVal(panel(), PANEL_MEDIA)), 12e9);
  EXPECT_EQ(Text(PANEL_PRESETS), "slower");
  EXPECT_STREQ(app().advanced.advTune, "film");
  EXPECT_STREQ(app().advanced.advExtraOptions, "");
  EXPECT_EQ(app().advanced.advCropHeight, 0);
}

TEST_F(MediaListTest, PreferredAudioLanguagePassOrder) {
  Add(Video(1920, 1080));
  Add(Ac3(640, "eng"));
  Add(Ac3(640, "cat"));
  Add(Ac3(448, "spa"));
  Add(DtsHdMa(1509, "spa"));
  platform::CopyFixed(app().settings.AudioLang, "spa");
  Open();
  EXPECT_EQ(Value(PANEL_S_AUDIO), 3);  // DVD5: the 1509 kb/s core before the 448 kb/s track
  platform::CopyFixed(app().settings.AudioLang, "spa/cat");
  ChooseMedia(0);
  EXPECT_EQ(Value(PANEL_S_AUDIO), 1);  // 640 kb/s comes before 1509 and either language counts
  ChooseMedia(3);
  EXPECT_EQ(Value(PANEL_S_AUDIO), 3);  // BD-25 keeps the HD track first
  platform::CopyFixed(app().settings.AudioLang, "ger");
  ChooseAudioTrack(2);
  ChooseMedia(1);
  EXPECT_EQ(Value(PANEL_S_AUDIO), 2);  // nothing in German: the choice stays
}

TEST_F(MediaListTest, PcmComesFirstForBlurayDiscs) {
  Add(Video(1920, 1080));
  Add(Ac3(640));
  Add(Pcm());
  app().settings.Media = 4;
  Open();
  EXPECT_EQ(Value(PANEL_S_AUDIO), 1);
  ChooseMedia(6);
  EXPECT_EQ(Value(PANEL_S_AUDIO), 0);
}

TEST_F(MediaListTest, PreferredSubtitleTrack) {
  Add(Video(1920, 1080));
  Add(Ac3(640));
  Add(Subtitle("UTF-8", "eng"));
  Add(Subtitle("PGS", "eng"));
  Add(Subtitle("PGS", "eng", 9));
  Add(Subtitle("PGS", "eng", -1));
  Open();
  EXPECT_EQ(Value(PANEL_S_SUB), 3);  // the forced track
  app().settings.ForcedSubtitle = 0;
  ChooseMedia(0);
  EXPECT_EQ(Value(PANEL_S_SUB), 2);  // counted forced captions
  platform::CopyFixed(app().settings.SubtitleLang, "chi/zho");
  ChooseMedia(0);
  EXPECT_EQ(Value(PANEL_S_SUB), 2);
}

TEST_F(MediaListTest, OutputPathFollowsTheMediaAndKeepsATypedFolder) {
  Add(Video(1920, 1080));
  Add(Ac3(640));
  app().settings.Media = 1;
  Open("/films/The.Film.2010.m2ts");
  EXPECT_EQ(Text(PANEL_OUT), Out("THE FILM (2010)"));
  ChooseMedia(6);
  EXPECT_EQ(Text(PANEL_OUT), Out("The Film (2010).mkv"));
  ChooseMedia(1);
  EXPECT_EQ(Text(PANEL_OUT), Out("THE FILM (2010)"));
  Type(PANEL_OUT, "/discs/MY FILM");
  ChooseMedia(7);
  EXPECT_EQ(Text(PANEL_OUT), Out("The Film (2010).mkv"));
  Type(PANEL_OUT, "/films/Mine.MKV");
  ChooseMedia(0);
  EXPECT_EQ(Text(PANEL_OUT), "/discs/MY FILM");
  ChooseMedia(6);
  EXPECT_EQ(Text(PANEL_OUT), "/films/Mine.MKV");
}

TEST_F(MediaListTest, ATypedPathTooLongToKeepStaysShown) {
  Add(Video(1920, 1080));
  Add(Ac3(640));
  Open("/films/The.Film.m2ts");
  const std::string typed = "/" + std::string(300, 'x');
  Type(PANEL_OUT, typed);
  ChooseMedia(6);
  EXPECT_EQ(Text(PANEL_OUT), typed);
  EXPECT_EQ(std::string(source().outputFolderPath), Out("THE FILM"));
}

}  // namespace
