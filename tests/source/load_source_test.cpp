#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>

#include "source/load_source.h"
#include "source/stereo_question.h"
#include "support/imdb_test_pages.h"
#include "support/source_window.h"
#include "support/test_media.h"

namespace {

class LoadSourceTest : public ::testing::Test, public test::SourceWindow {
 protected:
  // The test clip under a release name.
  std::string Clip(const std::string& name) {
    const std::string path = harness.dir() / name;
    std::filesystem::copy_file(test::Media().m2ts, path);
    return path;
  }
  void Lookup(const std::string& local, const std::string& original) {
    site.ReplyWith(test::FilmPage(site.Address(), "tt0211915", local, "2001", original));
  }
};

TEST_F(LoadSourceTest, FillsTheWindowFromTheStreamFile) {
  const std::string path = Clip("Some.Film.2010.1080p.BluRay.x264.m2ts");
  LoadSource(app(), path, "");
  EXPECT_EQ(Text(PANEL_SOURCE), path);
  EXPECT_EQ(ui().GetNumListItems(panel(), PANEL_S_VIDEO), 1);
  ASSERT_EQ(ui().GetNumListItems(panel(), PANEL_S_AUDIO), 2);
  EXPECT_EQ(ui().GetLabelFromIndex(panel(), PANEL_S_AUDIO, 1).rfind("4353 :  Spanish  AC-3  192 Kbps  (1 ch / ", 0), 0u);
  EXPECT_EQ(Attribute(PANEL_ADD, ui::ATTR_DIMMED), 0);
  // Untouched naming: the cleaned name, upper case for AVCHD, title case for MKV.
  EXPECT_EQ(std::string(source().outputFolderPath), Out("SOME FILM (2010)"));
  EXPECT_EQ(std::string(source().outputMkvPath), Out("Some Film (2010).mkv"));
  EXPECT_EQ(Text(PANEL_OUT), Out("SOME FILM (2010)"));
  EXPECT_EQ(Attribute(PANEL_IMDB, ui::ATTR_VISIBLE), 0);
  EXPECT_TRUE(site.RequestLines().empty());
  EXPECT_TRUE(eac3to.Calls().empty());  // no DTS-HD track: no core bitrates to read
}

// A loaded source takes the preferred media of the settings.
TEST_F(LoadSourceTest, MkvTargetsShowTheMkvFile) {
  app().settings.Media = 6;
  LoadSource(app(), Clip("the.film.m2ts"), "");
  EXPECT_EQ(Text(PANEL_OUT), Out("The Film.mkv"));
  app().settings.Media = 7;
  LoadSource(app(), harness.dir() / "the.film.m2ts", "");
  EXPECT_EQ(Text(PANEL_OUT), Out("The Film.mkv"));
  app().settings.Media = 5;
  LoadSource(app(), harness.dir() / "the.film.m2ts", "");
  EXPECT_EQ(Text(PANEL_OUT), Out("THE FILM"));
}

TEST_F(LoadSourceTest, EachNamingModeWithBothTitles) {
  const std::string path = Clip("Some.Film.2010.m2ts");
  Lookup("the fabulous destiny", "Le Fabuleux Destin");
  const char* names[] = {"", "The Fabulous Destiny (2001) - Le Fabuleux Destin",
                         "Le Fabuleux Destin (2001) - The Fabulous Destiny", "The Fabulous Destiny (2001)",
                         "Le Fabuleux Destin (2001)", "Le Fabuleux Destin"};
  for (int mode = 1; mode <= 5; ++mode) {
    app().settings.Scrape = mode;
    LoadSource(app(), path, "");
    EXPECT_EQ(std::string(source().outputMkvPath), Out(std::string(names[mode]) + ".mkv")) << mode;
    std::string upper = names[mode];
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(std::string(source().outputFolderPath), Out(upper)) << mode;
    EXPECT_EQ(Attribute(PANEL_IMDB, ui::ATTR_VISIBLE), 1);
    EXPECT_STREQ(source().imdbTitleId, "tt0211915");
  }
  EXPECT_EQ(site.RequestLines().back(), "GET /find?s=tt&q=some+film+%282010%29 HTTP/1.1");
}

TEST_F(LoadSourceTest, EachNamingModeWithTheLocalTitleOnly) {
  const std::string path = Clip("Some.Film.m2ts");
  Lookup("the fabulous destiny", "");
  const char* names[] = {"", "the fabulous destiny (2001)", "the fabulous destiny (2001)",
                         "the fabulous destiny (2001)", "the fabulous destiny (2001)", "the fabulous destiny"};
  for (int mode = 1; mode <= 5; ++mode) {
    app().settings.Scrape = mode;
    LoadSource(app(), path, "");
    EXPECT_EQ(std::string(source().outputMkvPath), Out(std::string(names[mode]) + ".mkv")) << mode;
  }
}

TEST_F(LoadSourceTest, AFailedLookupFallsBackToTheCleanedName) {
  app().settings.Scrape = 3;
  site.ReplyWith("");
  LoadSource(app(), Clip("some.film.2010.m2ts"), "");
  EXPECT_EQ(std::string(source().outputMkvPath), Out("Some Film (2010).mkv"));
  EXPECT_EQ(Attribute(PANEL_IMDB, ui::ATTR_VISIBLE), 0);
  EXPECT_EQ(site.RequestLines().size(), 1u);
}

TEST_F(LoadSourceTest, AnEmptyPathClearsTheSource) {
  LoadSource(app(), Clip("film.m2ts"), "");
  source().hasRightEye = 1;
  ui().ResetTextBox(panel(), PANEL_CAPITOLS, "00:00:00.000\n");
  LoadSource(app(), "", "");
  EXPECT_EQ(source().videoCount, 0);
  EXPECT_EQ(source().audioCount, 0);
  EXPECT_EQ(source().audio[0].id, 0);
  EXPECT_STREQ(source().outputFolderPath, "");
  EXPECT_EQ(source().hasRightEye, 1);  // flags stay
  for (int control : {PANEL_SOURCE, PANEL_OUT, PANEL_CAPITOLS, PANEL_PLAYLIST_TIME, PANEL_INFO})
    EXPECT_EQ(Text(control), "") << control;
  EXPECT_EQ(ui().GetNumListItems(panel(), PANEL_S_AUDIO), 0);
  for (int control : {PANEL_ADD, PANEL_SCAN, PANEL_ADVANCED}) EXPECT_EQ(Attribute(control, ui::ATTR_DIMMED), 1);
}

TEST_F(LoadSourceTest, LongNamesKeepTheirMkvExtension) {
  platform::CopyFixed(app().settings.OutPath, "/o/" + std::string(240, 'd'));
  LoadSource(app(), Clip(std::string(100, 'n') + ".m2ts"), "");
  const std::string mkv = source().outputMkvPath;
  EXPECT_EQ(mkv.size(), 259u);
  EXPECT_EQ(mkv.substr(mkv.size() - 4), ".mkv");
}

const char* kStereoQuestion =
    "This Blu-Ray contain 2D and 3D versions. Select the type of conversion\nyou want to do:\n\n"
    "*************************** VERY IMPORTANT ****************************\n"
    "   \u00B7 For the 3D version you must have installed AviSynt v2.5.8+ (32-bit)\n     and .NET Framework 4.0\n"
    "   \u00B7 If you choose the 2D version nothing extra is necessary.\n"
    "   \u00B7 [3D SBS rev.] -> left-right reversed order.\n"
    "****************************************************************************";

TEST_F(LoadSourceTest, The3dAnswersMarkBothOutputsOnce) {
  LoadSource(app(), Clip("film.m2ts"), "");
  ui().Script().Answer(3);
  AskStereoMode(app());
  const auto popup = ui().Popups().back();
  EXPECT_EQ(popup.title, "2D - 3D SELECTION");
  EXPECT_EQ(popup.message, kStereoQuestion);
  EXPECT_EQ(popup.buttons, (std::vector<std::string>{"2D", "3D SBS", "3D SBS rev."}));
  EXPECT_EQ(source().stereoMode, 2);
  EXPECT_EQ(std::string(source().outputFolderPath), Out("FILM 3D"));
  EXPECT_EQ(std::string(source().outputMkvPath), Out("Film 3D.mkv"));
  EXPECT_EQ(Text(PANEL_OUT), Out("FILM 3D"));
  ui().Script().Answer(2);
  ui().SetCtrlIndex(panel(), PANEL_MEDIA, 6);
  AskStereoMode(app());  // the name says 3D already
  EXPECT_EQ(source().stereoMode, 1);
  EXPECT_EQ(std::string(source().outputMkvPath), Out("Film 3D.mkv"));
  EXPECT_EQ(Text(PANEL_OUT), Out("Film 3D.mkv"));
}

TEST_F(LoadSourceTest, The2dAnswerChangesNothing) {
  LoadSource(app(), Clip("Film.3d.m2ts"), "");
  AskStereoMode(app());  // Enter: 2D
  EXPECT_EQ(source().stereoMode, 0);
  EXPECT_EQ(std::string(source().outputFolderPath), Out("FILM 3D"));
}

TEST_F(LoadSourceTest, OnlyTheOutputsOwnNameDecidesAbout3d) {
  platform::CopyFixed(app().settings.OutPath, harness.dir() / "out/3D films");
  LoadSource(app(), Clip("film.m2ts"), "");
  ui().Script().Answer(2);
  AskStereoMode(app());
  EXPECT_EQ(std::string(source().outputFolderPath), Out("3D films/FILM 3D"));
  EXPECT_EQ(std::string(source().outputMkvPath), Out("3D films/Film 3D.mkv"));
}

}  // namespace
