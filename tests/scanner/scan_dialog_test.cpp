// The scan dialog from the "Scan Bitrates" button to the stored results.

#include <gtest/gtest.h>

#include <filesystem>

#include "packet_builder.h"
#include "platform/fixed_text.h"
#include "scan_fixture.h"

namespace {

using namespace scantest;

class ScanDialog : public ScanFixture {
 protected:
  // 2,000 video, 500 AC-3, 400 DTS-HD and 100 subtitle packets, and a part packet.
  void ScanSampleFile(const std::string& subtitles = Packets(kSubtitlePid, 100)) {
    test::WriteFile(Path("movie.m2ts"), Packets(kVideoPid, 2000) + Packets(kAudioPid, 500) +
                                            Packets(kHdAudioPid, 400) + subtitles + std::string(100, '\x47'));
    ShowSource(Path("movie.m2ts"));
    PressScan();
  }
  const SourceInfo& source() { return app().source; }
};

TEST_F(ScanDialog, OpensWithOneLinePerTrackAndTheSourceSized) {
  ScanSampleFile();
  ASSERT_NE(ScanPanel(), 0);
  EXPECT_TRUE(ui().IsPopupInstalled(ScanPanel()));
  EXPECT_EQ(ui::AsInt(ui().GetCtrlAttribute(ScanPanel(), PAN_SCAN_NUM, ui::ATTR_MAX_VALUE)), 3000);
  EXPECT_EQ(Lines(), (std::vector<std::string>{
                         "\033p4l4113 (0x1011) \033p110lAVC",
                         "\033p4l4352 (0x1100) \033p110lAC-3 \033p225leng \033p250l(English)",
                         "\033p4l4353 (0x1101) \033p110lDTS \033p225ldeu \033p250l(German)",
                         "\033p4l4608 (0x1200) \033p110lPGS \033p225lspa \033p250l(Spanish)",
                     }));
  const auto items = ui().Items(ScanPanel(), PAN_SCAN_LIST);
  EXPECT_EQ(ui::AsInt(items[0].value), 0x1011);
  EXPECT_EQ(ui::AsInt(items[3].value), 0x1200);
  FinishScan();
}

TEST_F(ScanDialog, TheTickShowsEveryTrackAndEndsWithTheScan) {
  ScanSampleFile();
  FinishScan();
  Tick();
  EXPECT_EQ(Lines(), (std::vector<std::string>{
                         "\033p4l4113 (0x1011) \033p110lAVC \033p395r60.0 \033p490r49 kbps \033p570r2000",
                         // Plain audio shows its analysed bitrate, HD audio without a full
                         // bitrate what the scan measures, and its profile.
                         "\033p4l4352 (0x1100) \033p110lAC-3  \033p225leng \033p250l(English) \033p395r60.0 "
                         "\033p490r448 kbps \033p570r500",
                         "\033p4l4353 (0x1101) \033p110lDTS MA \033p225ldeu \033p250l(German) \033p395r60.0 "
                         "\033p490r10 kbps \033p570r400",
                         "\033p4l4608 (0x1200) \033p110lPGS  \033p225lspa \033p250l(Spanish) \033p395r60.0 "
                         "\033p490r2.45 kbps \033p570r100",
                     }));
  EXPECT_EQ(ProgressText(), "");
  EXPECT_EQ(ProgressValue(), 0);
  EXPECT_EQ(app().scan.timer, 0);
  EXPECT_TRUE(ui().Popups().empty());
}

TEST_F(ScanDialog, HdAudioWithAKnownFullBitrateShowsIt) {
  app().source.audio[1].hdBitrateKbps = 3500;
  ScanSampleFile();
  FinishScan();
  Tick();
  EXPECT_NE(Lines().at(2).find("\033p490r3500 kbps"), std::string::npos) << Lines().at(2);
}

TEST_F(ScanDialog, ResultsCountPayloadForVideoAndWholePacketsForTheRest) {
  ScanSampleFile();
  FinishScan();
  EXPECT_EQ(source().general[0].scanTotalPackets, 3000);
  EXPECT_EQ(source().general[0].scanDonePackets, 3000);
  EXPECT_EQ(source().video[0].scannedPackets, 2000);
  EXPECT_EQ(source().video[0].scannedBitrateKbps, 49);     // 2000 × 1472 / 60000 = 49.07
  EXPECT_EQ(source().audio[0].scannedBitrateKbps, 13);     // 500 × 1536 / 60000 = 12.8
  EXPECT_EQ(source().audio[1].scannedBitrateKbps, 10);     // 400 × 1536 / 60000 = 10.24
  EXPECT_EQ(source().subtitle[0].scannedBitrateKbps, 3);   // 100 × 1536 / 60000 = 2.56
  EXPECT_EQ(source().subtitle[0].scannedPackets, 100);
  EXPECT_EQ(source().subtitle[0].forcedCaptions, 0);
}

TEST_F(ScanDialog, ResultsReachTheTrackRingsAndTheChoicesStay) {
  ui().SetCtrlIndex(harness_.panel(), PANEL_S_AUDIO, 1);
  EXPECT_EQ(RingItem(PANEL_S_VIDEO, 0).find("Kbps"), std::string::npos);
  ScanSampleFile();
  EXPECT_EQ(RingItem(PANEL_S_SUB, 0), "4608 :  Spanish  PGS  Forced");  // nothing shows before the worker ends
  FinishScan();
  EXPECT_EQ(RingItem(PANEL_S_VIDEO, 0).find("4113 :    AVC  49 Kbps  ("), 0u) << RingItem(PANEL_S_VIDEO, 0);
  EXPECT_EQ(RingItem(PANEL_S_AUDIO, 1).find("4353 :  German  DTS MA  10 Kbps  ("), 0u) << RingItem(PANEL_S_AUDIO, 1);
  EXPECT_EQ(RingItem(PANEL_S_SUB, 0), "4608 :  Spanish  PGS  Forced  (2.45 Kbps)");
  EXPECT_EQ(ui().GetCtrlIndex(harness_.panel(), PANEL_S_AUDIO), 1);
  EXPECT_EQ(ui().GetCtrlIndex(harness_.panel(), PANEL_S_VIDEO), 0);
}

TEST_F(ScanDialog, ASparseTrackOverTenMinutesIsAForcedTrack) {
  app().source.video[0].durationMs = 1200000;
  ScanSampleFile();
  FinishScan();
  Tick();
  EXPECT_EQ(Lines().at(3),
            "\033p4l4608 (0x1200) \033p110lPGS (forced track) \033p225lspa \033p250l(Spanish) \033p395r1200.0 "
            "\033p490r0.12 kbps \033p570r100");
  EXPECT_EQ(source().subtitle[0].forcedCaptions, -1);
  EXPECT_EQ(RingItem(PANEL_S_SUB, 0), "4608 :  Spanish  PGS  Forced  (0.12 Kbps / forced subs track?)");
}

TEST_F(ScanDialog, UnderTenMinutesASparseTrackIsNotJudged) {
  app().source.video[0].durationMs = 540000;
  ScanSampleFile();
  FinishScan();
  Tick();
  EXPECT_NE(Lines().at(3).find("\033p110lPGS  \033p225l"), std::string::npos) << Lines().at(3);
  EXPECT_EQ(source().subtitle[0].forcedCaptions, 0);
}

TEST_F(ScanDialog, ACountedForcedCaptionIsNamed) {
  app().source.video[0].durationMs = 1200000;  // sparse and long: the count still wins
  ScanSampleFile(Packets(kSubtitlePid, 99) + CompositionPacket(kSubtitlePid, {}));
  FinishScan();
  Tick();
  EXPECT_NE(Lines().at(3).find("\033p110lPGS (1 forced) \033p225l"), std::string::npos) << Lines().at(3);
  EXPECT_EQ(source().subtitle[0].forcedCaptions, 1);
}

TEST_F(ScanDialog, AMissingSyncByteWarnsAfterTheLastTickAndKeepsTheResults) {
  test::WriteFile(Path("damaged.m2ts"), Packets(kVideoPid, 1000) + BadPacket() + Packets(kVideoPid, 500));
  ShowSource(Path("damaged.m2ts"));
  PressScan();
  FinishScan();
  EXPECT_TRUE(ui().Popups().empty());
  Tick();
  ASSERT_EQ(ui().Popups().size(), 1u);
  EXPECT_EQ(ui().Popups()[0].title, "WARNING");
  EXPECT_EQ(ui().Popups()[0].message, "Sync byte missing!\n\nThe source file seems to be damaged.");
  EXPECT_EQ(app().scan.timer, 0);
  EXPECT_EQ(source().video[0].scannedPackets, 1000);
  EXPECT_EQ(source().general[0].scanDonePackets, 1501);
}

TEST_F(ScanDialog, CloseDiscardsTheDialogAndStopsTheScan) {
  ScanSampleFile();
  const int panel = ScanPanel();
  PressClose();
  EXPECT_FALSE(ui().PanelExists(panel));
  EXPECT_EQ(app().scan.scanPanel, 0);
  EXPECT_EQ(ui().GetActiveCtrl(harness_.panel()), PANEL_ADD);
  FinishScan();
  EXPECT_EQ(source().general[0].scanTotalPackets, 3000);
  // The worker may have read all or none of the small file before the
  // close: either way what it counted is kept and shown.
  EXPECT_EQ(RingItem(PANEL_S_SUB, 0).rfind("4608 :  Spanish  PGS  Forced  (", 0), 0u) << RingItem(PANEL_S_SUB, 0);
  Tick();  // touches no control, and stops
  EXPECT_EQ(app().scan.timer, 0);
}

TEST_F(ScanDialog, ASourceThatCannotBeReadIsReportedAndNothingOpens) {
  app().source.video[0].scannedBitrateKbps = 777;
  app().source.subtitle[0].forcedCaptions = -1;  // from a track title: any scan clears it
  for (const std::string& path : {Path("missing.m2ts"), harness_.dir().path().string()}) {
    ui().ClearPopups();
    ShowSource(path);
    PressScan();
    ASSERT_EQ(ui().Popups().size(), 1u);
    EXPECT_EQ(ui().Popups()[0].title, "ERROR");
    EXPECT_EQ(ui().Popups()[0].message, "Unable to read " + path + " for the bitrate scan.");
    EXPECT_EQ(ScanPanel(), 0);
  }
  EXPECT_EQ(source().video[0].scannedBitrateKbps, 0);
  EXPECT_EQ(source().subtitle[0].forcedCaptions, 0);
}

TEST_F(ScanDialog, AJoinedPlaylistReadsEveryClipOfItsFolder) {
  std::filesystem::create_directories(Path("STREAM"));
  test::WriteFile(Path("STREAM/00001.m2ts"), Packets(kVideoPid, 100));
  test::WriteFile(Path("STREAM/00002.m2ts"), Packets(kVideoPid, 200) + Packets(kAudioPid, 50));
  test::WriteFile(Path("STREAM/00012.m2ts"), Packets(kVideoPid, 300));
  app().source.joinPlaylist = 2;
  platform::CopyFixed(app().source.playlists[2].clips, "00001+00002+00012");
  ShowSource(Path("STREAM/00002.m2ts"));
  PressScan();
  EXPECT_EQ(ui::AsInt(ui().GetCtrlAttribute(ScanPanel(), PAN_SCAN_NUM, ui::ATTR_MAX_VALUE)), 650);
  FinishScan();
  EXPECT_EQ(source().general[0].scanTotalPackets, 650);
  EXPECT_EQ(source().general[0].scanDonePackets, 650);
  EXPECT_EQ(source().video[0].scannedPackets, 600);
  EXPECT_EQ(source().audio[0].scannedPackets, 50);
}

TEST_F(ScanDialog, AJoinedPlaylistWithAMissingClipIsReported) {
  std::filesystem::create_directories(Path("STREAM"));
  test::WriteFile(Path("STREAM/00001.m2ts"), Packets(kVideoPid, 100));
  app().source.joinPlaylist = 1;
  platform::CopyFixed(app().source.playlists[1].clips, "00001+00002");
  ShowSource(Path("STREAM/00001.m2ts"));
  PressScan();
  ASSERT_EQ(ui().Popups().size(), 1u);
  EXPECT_EQ(ui().Popups()[0].message, "Unable to read " + Path("STREAM/00002.m2ts") + " for the bitrate scan.");
  EXPECT_EQ(ScanPanel(), 0);
}

}  // namespace
