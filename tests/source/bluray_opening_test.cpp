#include <gtest/gtest.h>

#include <filesystem>

#include "support/source_window.h"
#include "support/test_media.h"

namespace fs = std::filesystem;

namespace {

constexpr uintmax_t kGB = 1000000000;
const char* kChapters = "CHAPTER01=00:00:00.000\nCHAPTER01NAME=Chapter 1\n";

class BlurayOpening : public ::testing::Test, public test::SourceWindow {
 protected:
  void SetUp() override {
    disc = harness.dir() / "Some.Film.2010";
    fs::create_directories(disc + "/BDMV/STREAM");
    eac3to.ChapterFile(kChapters);
  }
  // A clip of the given size: the test clip, grown sparse when asked.
  std::string AddClip(const std::string& name, uintmax_t size = 0) {
    const std::string path = disc + "/BDMV/STREAM/" + name;
    fs::copy_file(test::Media().m2ts, path);
    if (size) fs::resize_file(path, size);
    return path;
  }
  void OpenDisc(const std::string& folder) {
    ui().Script().Choose(folder);
    Click(PANEL_OPEN_BDMV);
  }
  int Dialog() { return ui().PanelHandle(PANEL_MULT); }
  std::string DialogText(int control) { return ui::AsText(ui().GetCtrlVal(Dialog(), control)); }
  void Proceed() { ui().FireCtrlEvent(Dialog(), PANEL_MULT_GO, ui::EVENT_COMMIT); }
  void Select(int index) {
    ui().SetCtrlIndex(Dialog(), PANEL_MULT_PLAYLIST, index);
    ui().FireCtrlEvent(Dialog(), PANEL_MULT_PLAYLIST, ui::EVENT_VAL_CHANGED);
  }
  void ExpectFailure() {
    ASSERT_FALSE(ui().Popups().empty());
    EXPECT_EQ(ui().Popups().back().title, "ERROR");
    EXPECT_EQ(ui().Popups().back().message, "Unable to read BD structure.");
    EXPECT_EQ(Text(PANEL_SOURCE), "");
    EXPECT_EQ(ui().GetActiveCtrl(panel()), PANEL_OPEN_BDMV);
  }

  std::string disc;
};

TEST_F(BlurayOpening, ASingleMainPlaylistLoadsItsClipDirectly) {
  const std::string clip = AddClip("00001.m2ts");
  eac3to.FolderLog("eac3to v3.34\n1) 00800.mpls, 00001.m2ts, 1:52:10\n   - h264/AVC, 1080p24\n");
  OpenDisc(disc);
  const std::string temp = harness.dir() / "temp";
  const auto calls = eac3to.Calls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0], (std::vector<std::string>{test::FakeEac3to::Program(), disc, "-log=" + temp + "/eac3to_log.txt"}));
  EXPECT_EQ(calls[1], (std::vector<std::string>{test::FakeEac3to::Program(), disc, "1)", "1:", temp + "/cap.txt",
                                                "-log=" + temp + "/eac3to_log.txt"}));
  EXPECT_EQ(Text(PANEL_SOURCE), clip);
  EXPECT_EQ(Text(PANEL_PLAYLIST_TIME), "1:52:10");
  EXPECT_EQ(Text(PANEL_CAPITOLS), "00:00:00.000\n");
  EXPECT_EQ(std::string(source().outputFolderPath), Out("SOME FILM (2010)"));
  EXPECT_STREQ(source().lastBrowseFolder, disc.c_str());
  EXPECT_EQ(source().singleStreamFile, 0);
  EXPECT_EQ(source().chaptersMissing, 0);
  EXPECT_EQ(Dialog(), 0);
  EXPECT_EQ(ui().PanelHandle(PANEL_WAIT), 0);
  EXPECT_EQ(ui().GetActiveCtrl(panel()), PANEL_SCAN);
  ASSERT_EQ(ui().Popups().size(), 1u);  // the folder browser only
  EXPECT_EQ(ui().Popups()[0].title, "Select a Blu-Ray BDMV folder *DECRYPTED*:");
  EXPECT_FALSE(fs::exists(temp + "/eac3to_log.txt"));
}

TEST_F(BlurayOpening, TheBrowserStartsInTheLastFolderAndAcceptsTheBdmvFolderItself) {
  const std::string clip = AddClip("00001.m2ts");
  eac3to.FolderLog("1) 00800.mpls, 00001.m2ts, 1:52:10\n");
  OpenDisc(disc + "/BDMV");
  EXPECT_EQ(Text(PANEL_SOURCE), clip);
  ui().Script().CancelChooser();
  Click(PANEL_OPEN_BDMV);
  EXPECT_EQ(ui().Popups().back().message, disc + "/BDMV");
  EXPECT_EQ(Text(PANEL_SOURCE), "");
  EXPECT_EQ(ui().GetActiveCtrl(panel()), PANEL_OPEN_BDMV);
  EXPECT_EQ(eac3to.Calls().size(), 2u);
}

TEST_F(BlurayOpening, UnreadableListingsFail) {
  for (const char* log : {"", "<ERROR> Unsupported source\n", "M2TS, 1 video track\n", "1) 00800.mpls, 00001.m2ts\n"}) {
    eac3to.FolderLog(log);
    OpenDisc(disc);
    ExpectFailure();
  }
}

TEST_F(BlurayOpening, APlaylistOfSeveralClipsOpensTheDialog) {
  eac3to.FolderLog(
      "1) 00800.mpls, 2:01:00\n   [00001+00002+00003].m2ts\n2) 00801.mpls, 1:59:00\n   [00001+2+00004].m2ts\n"
      "3) 00802.mpls, 00009.m2ts, 0:03:00\n");
  OpenDisc(disc);
  ASSERT_NE(Dialog(), 0);
  EXPECT_TRUE(ui().IsPopupInstalled(Dialog()));
  EXPECT_EQ(DialogText(PANEL_MULT_INFO), "This Blu-Ray seems to contain several versions of the movie or multiangle");
  EXPECT_EQ(DialogText(PANEL_MULT_PATH), disc);
  const auto items = ui().Items(Dialog(), PANEL_MULT_PLAYLIST);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].label, "00800.mpls  (2:01:00)");
  EXPECT_EQ(ui::AsInt(items[2].value), 3);
  EXPECT_EQ(DialogText(PANEL_MULT_M2TS), "00001 + 00002 + 00003");
  Select(1);
  EXPECT_EQ(DialogText(PANEL_MULT_M2TS), "00001 + 00002 + 00004");
  EXPECT_STREQ(source().playlists[3].clips, "00009.m2ts");
  EXPECT_STREQ(source().playlists[2].durationText, "1:59:00");
  EXPECT_EQ(eac3to.Calls().size(), 1u);
}

TEST_F(BlurayOpening, ASecondLongPlaylistOpensTheDialogWithItsOwnMessage) {
  eac3to.FolderLog("1) 00800.mpls, 00001.m2ts, 1:52:10\n2) 00801.mpls, 00002.m2ts, 0:41:00\n");
  OpenDisc(disc);
  ASSERT_NE(Dialog(), 0);
  EXPECT_EQ(DialogText(PANEL_MULT_INFO), "This Blu-Ray seems to contain two or more main playlists.");
  EXPECT_EQ(DialogText(PANEL_MULT_M2TS), "00001");
}

TEST_F(BlurayOpening, OneLargeClipAmongSmallOnesIsLoadedAlone) {
  const std::string large = AddClip("00001.m2ts", 30 * kGB);
  AddClip("00002.m2ts", 5000000);
  eac3to.FolderLog("1) 00800.mpls, 1:52:10\n   [00001+00002].m2ts\n");
  OpenDisc(disc);
  Proceed();
  EXPECT_EQ(Dialog(), 0);
  EXPECT_EQ(Text(PANEL_SOURCE), large);
  EXPECT_EQ(source().chosenPlaylist, 1);
  EXPECT_EQ(source().joinPlaylist, 0);
  EXPECT_EQ(source().singleStreamFile, 1);
  EXPECT_EQ(Text(PANEL_PLAYLIST_TIME), "1:52:10");
  EXPECT_EQ(eac3to.Calls().back()[2], "1)");
  EXPECT_EQ(ui().GetActiveCtrl(panel()), PANEL_SCAN);
}

TEST_F(BlurayOpening, SeveralLargeClipsAreJoinedWithThePlaylistsDuration) {
  AddClip("00001.m2ts", 20 * kGB);
  const std::string later = AddClip("00002.m2ts", 20 * kGB);
  eac3to.FolderLog("1) 00800.mpls, 1:00:00\n   [00003].m2ts\n2) 00801.mpls, 1:52:10\n   [00001+00002].m2ts\n");
  OpenDisc(disc);
  Select(1);
  Proceed();
  EXPECT_EQ(Text(PANEL_SOURCE), later);  // equal sizes: the later clip
  EXPECT_EQ(source().joinPlaylist, 2);
  EXPECT_EQ(source().chosenPlaylist, 0);
  EXPECT_EQ(source().singleStreamFile, 0);
  EXPECT_STREQ(source().video[0].durationText, "1:52:10");
  EXPECT_EQ(eac3to.Calls().back()[2], "2)");

  // A one-clip playlist chosen next leaves nothing joined.
  OpenDisc(disc);
  Proceed();
  EXPECT_EQ(source().joinPlaylist, 0);
  EXPECT_EQ(source().chosenPlaylist, 1);
  EXPECT_EQ(Text(PANEL_SOURCE), disc + "/BDMV/STREAM/00003.m2ts");  // missing: the last clip
}

TEST_F(BlurayOpening, MissingClipsCountAsSmall) {
  const std::string large = AddClip("00002.m2ts", 30 * kGB);
  AddClip("00003.m2ts", 20 * kGB);
  eac3to.FolderLog("1) 00800.mpls, 1:52:10\n   [00001+00002+00003].m2ts\n");
  OpenDisc(disc);
  Proceed();
  EXPECT_EQ(Text(PANEL_SOURCE), large);
  EXPECT_EQ(source().singleStreamFile, 1);  // two found, one (missing) small
}

TEST_F(BlurayOpening, CancellingTheDialogClearsTheSource) {
  eac3to.FolderLog("1) 00800.mpls, 1:52:10\n   [00001+00002].m2ts\n");
  OpenDisc(disc);
  ui().FireCtrlEvent(Dialog(), PANEL_MULT_CANCEL, ui::EVENT_COMMIT);
  EXPECT_EQ(Dialog(), 0);
  EXPECT_EQ(Text(PANEL_SOURCE), "");
  EXPECT_EQ(ui().GetActiveCtrl(panel()), PANEL_OPEN_BDMV);
}

TEST_F(BlurayOpening, A3dDiscAsksForTheKindOfConversion) {
  AddClip("00001.m2ts");
  eac3to.FolderLog("1) 00800.mpls, 00001.m2ts, 1:52:10\n");
  eac3to.StreamsLog("M2TS\n1: Chapters\n2: h264/AVC\n3: h264/MVC (right eye)\n");
  ui().Script().Choose(disc);
  ui().Script().Answer(2);
  Click(PANEL_OPEN_BDMV);
  EXPECT_EQ(source().hasRightEye, 1);
  EXPECT_EQ(source().stereoMode, 1);
  EXPECT_EQ(ui().Popups().back().title, "2D - 3D SELECTION");
  EXPECT_EQ(std::string(source().outputFolderPath), Out("SOME FILM (2010) 3D"));
}

TEST_F(BlurayOpening, AnM2tsFileIsNeverAskedAbout3d) {
  const std::string clip = AddClip("00001.m2ts");
  eac3to.StreamsLog("M2TS\n1: h264/AVC\n2: h264/MVC (right eye)\n");
  ui().Script().Choose(clip);
  Click(PANEL_OPEN);
  EXPECT_EQ(Text(PANEL_SOURCE), clip);
  EXPECT_EQ(source().hasRightEye, 1);
  EXPECT_EQ(source().stereoMode, 0);
  EXPECT_EQ(source().singleStreamFile, 1);
  ASSERT_EQ(ui().Popups().size(), 1u);
  EXPECT_EQ(ui().Popups()[0].title, "Select a Video File");
  EXPECT_EQ(ui().Popups()[0].message, " *.mkv;*.m2ts");
}

TEST_F(BlurayOpening, AnMkvFileFromTheFileMenu) {
  ui().Script().Choose(test::Media().mkv);
  ui().FireMenuItem(ui().GetPanelMenuBar(panel()), MENUBAR_FILE_OPEN_VIDEO);
  EXPECT_TRUE(eac3to.Calls().empty());
  EXPECT_EQ(source().sourceIsMkv, 1);
  EXPECT_EQ(Text(PANEL_CAPITOLS), "00:00:00.000\n00:00:01.500");
  EXPECT_EQ(ui().GetNumListItems(panel(), PANEL_S_SUB), 1);
  source().joinPlaylist = 4;
  ui().Script().CancelChooser();
  Click(PANEL_OPEN);
  EXPECT_EQ(source().joinPlaylist, 0);
  EXPECT_EQ(Text(PANEL_SOURCE), "");
  EXPECT_EQ(ui().GetActiveCtrl(panel()), PANEL_OPEN);
}

}  // namespace
