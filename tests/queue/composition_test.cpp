#include <gtest/gtest.h>

#include <cstring>

#include "composition_fixture.h"

namespace {

using test::Ac3;
using test::DtsHdMa;
using test::Subtitle;
using test::Video;

class AddJobTest : public test::CompositionTest {};

TEST_F(AddJobTest, FullQueueRefusesAndChangesNothing) {
  for (Job& job : app().queue) StoreState(job, JobFinished);
  OpenFilm();
  AddToQueue();
  ASSERT_EQ(ui().Popups().size(), 1u);
  EXPECT_EQ(ui().Popups()[0].title, "JOB CAN NOT BE ADDED");
  EXPECT_EQ(ui().Popups()[0].message, "The queue is full.\n\nWait to complete some job or clean the completed jobs.");
  for (const Job& job : app().queue) EXPECT_EQ(LoadState(job), JobFinished);
  EXPECT_EQ(Text(PANEL_SOURCE), "/media/disc/FILM/BDMV/STREAM/00001.m2ts");
}

TEST_F(AddJobTest, CommitsAPendingJobInTheFirstFreeSlot) {
  StoreState(app().queue[0], JobFinished);
  OpenFilm();
  ui().ResetTextBox(panel(), PANEL_CAPITOLS, "0:00:00.000\n0:10:00.000\n0:20:00.000\n");
  AddToQueue();
  EXPECT_TRUE(ui().Popups().empty());
  const Job& job = app().queue[1];
  ASSERT_EQ(LoadState(job), JobPending);
  EXPECT_STREQ(job.sourceFile, "/media/disc/FILM/BDMV/STREAM/00001.m2ts");
  EXPECT_STREQ(job.sourceBdFolder, "/media/disc/FILM");
  EXPECT_EQ(std::string(job.outputPath), h.dir() / "out/FILM");
  EXPECT_STREQ(job.name, "FILM");
  EXPECT_EQ(job.media, 0);
  EXPECT_STREQ(job.mediaLabel, "DVD5");
  EXPECT_EQ(job.videoBitrate, 4250);
  EXPECT_STREQ(job.chapters, "0:00:00.000;0:10:00.000;0:20:00.000");
  EXPECT_STREQ(job.fpsRational, "24000/1001");
  EXPECT_STREQ(job.fpsDecimal, "23.976");
  EXPECT_EQ(job.frameCount, 172800);
  EXPECT_STREQ(job.videoCodec, "AVC");
  EXPECT_EQ(job.videoStreamTrack, 4113);
  EXPECT_STREQ(job.x264Preset, "medium");
  EXPECT_STREQ(job.x264Tune, "film");
  EXPECT_STREQ(job.audioCodecId, "A_AC3");
  EXPECT_STREQ(job.audioBitrateText, "640");
  EXPECT_EQ(job.subMode, 0);
  EXPECT_STREQ(job.subCodecId, "");
  // The source is forgotten, Start Jobs has the focus, the queue is kept.
  EXPECT_EQ(Text(PANEL_SOURCE), "");
  EXPECT_EQ(Attribute(PANEL_ADD, ui::ATTR_DIMMED), 1);
  EXPECT_EQ(source().videoCount, 0);
  EXPECT_EQ(Focus(), PANEL_GO);
  std::vector<uint8_t> stored;
  ASSERT_EQ(h.store().Read(platform::kQuandrellKey, "Job_1", sizeof(Job), stored), platform::ReadStatus::Ok);
  ASSERT_EQ(stored.size(), sizeof(Job));
  EXPECT_EQ(std::memcmp(stored.data(), &job, sizeof(Job)), 0);
  EXPECT_EQ(ui().GetNumListItems(panel(), PANEL_COLA2) > 0, true);
}

TEST_F(AddJobTest, ChaptersKeepWholeEntries) {
  OpenFilm();
  ui().ResetTextBox(panel(), PANEL_CAPITOLS, "1:2");
  AddToQueue();
  EXPECT_STREQ(Added0().chapters, "1:2");

  std::string many;
  for (int i = 0; i < 300; ++i) many += "00:00:00.000\n";  // 13 characters a line
  OpenFilm();
  ui().ResetTextBox(panel(), PANEL_CAPITOLS, many);
  AddToQueue();
  const std::string kept = app().queue[1].chapters;
  EXPECT_EQ(kept.size(), 230u * 13 - 1);  // the 231st entry would pass 2,999 characters
  EXPECT_EQ(kept.substr(kept.size() - 13), ";00:00:00.000");
}

TEST_F(AddJobTest, TrackNumbersOfABlurayFolder) {
  Add(Video(1920, 1080));
  Add(Ac3(640, "eng"));
  Add(Ac3(448, "fre"));
  Add(Subtitle("PGS", "eng"));
  Add(Subtitle("PGS", "fre"));
  app().settings.ForcedSubtitle = 0;
  source().general[0].scanDonePackets = 10;  // scanned: no question
  source().video[0].scannedPackets = 10;
  OpenFilm();
  ChooseAudioTrack(1);
  ChooseSubtitleTrack(1);
  AddToQueue();
  ASSERT_TRUE(Added());
  EXPECT_EQ(Added0().videoTrackNo, 2);
  EXPECT_EQ(Added0().audioTrackNo, 4);
  EXPECT_EQ(Added0().subTrackNo, 6);
  EXPECT_STREQ(Added0().audioLang, "fre");
  EXPECT_STREQ(Added0().subCodecId, "S_HDMV/PGS");
}

TEST_F(AddJobTest, TrackNumbersOfADirectM2tsA3dDiscAndNoChapters) {
  Add(Video(1920, 1080));
  Add(Ac3(640, "eng"));
  Add(Ac3(448, "fre"));
  source().singleStreamFile = 1;
  OpenFilm("/films/film.m2ts");
  ChooseAudioTrack(1);
  AddToQueue();
  ASSERT_TRUE(Added());
  EXPECT_EQ(Added0().audioTrackNo, 3);
  EXPECT_EQ(Added0().videoTrackNo, 1);
  EXPECT_STREQ(Added0().sourceBdFolder, "");

  Add(Video(1920, 1080));
  Add(Ac3(640, "eng"));
  source().singleStreamFile = 0;
  source().hasRightEye = 1;  // the right eye takes the number after the video
  OpenFilm();
  AddToQueue();
  EXPECT_EQ(app().queue[1].videoTrackNo, 2);
  EXPECT_EQ(app().queue[1].audioTrackNo, 4);

  Add(Video(1920, 1080));
  Add(Ac3(640, "eng"));
  source().hasRightEye = 0;
  source().chaptersMissing = 1;  // a folder whose listing has no chapters entry
  OpenFilm();
  AddToQueue();
  EXPECT_EQ(app().queue[2].videoTrackNo, 1);
  EXPECT_EQ(app().queue[2].audioTrackNo, 2);
}

TEST_F(AddJobTest, CodecIdentifiersOfMatroskaTracks) {
  AudioTrack dts = DtsHdMa();
  Add(dts);
  SubtitleTrack ass = Subtitle("ASS");
  Add(ass);
  source().sourceIsMkv = 1;
  app().settings.Media = 6;
  app().settings.ForcedSubtitle = 0;
  OpenFilm("/films/film.mkv");
  AddToQueue();
  ASSERT_TRUE(Added());
  EXPECT_STREQ(Added0().audioCodecId, "A_DTS");
  EXPECT_STREQ(Added0().subCodecId, "S_TEXT/ASS");
  EXPECT_EQ(Added0().sourceIsMkv, 1);
  EXPECT_EQ(Added0().videoTrackNo, 1);
}

TEST_F(AddJobTest, TransportStreamTypesAreNoCodecIdentifiers) {
  Add(Video(1920, 1080));
  AudioTrack ac3 = Ac3(640);
  platform::CopyFixed(ac3.codecId, "129");
  Add(ac3);
  SubtitleTrack pgs = Subtitle("PGS");
  platform::CopyFixed(pgs.codecId, "144");
  Add(pgs);
  app().settings.ForcedSubtitle = 0;
  source().video[0].scannedPackets = 1;
  OpenFilm();
  AddToQueue();
  EXPECT_TRUE(ui().Popups().empty());
  ASSERT_TRUE(Added());
  EXPECT_STREQ(Added0().audioCodecId, "A_AC3");
  EXPECT_STREQ(Added0().subCodecId, "S_HDMV/PGS");
}

TEST_F(AddJobTest, ACodecIdentifierTooLongForTheJobRefuses) {
  AudioTrack trueHd = Ac3(0);
  platform::CopyFixed(trueHd.format, "MLP FBA");
  platform::CopyFixed(trueHd.codecId, "A_TRUEHD");
  Add(trueHd);
  source().sourceIsMkv = 1;
  app().settings.Media = 6;
  OpenFilm("/films/film.mkv");
  AddToQueue();
  EXPECT_FALSE(Added());
  EXPECT_TRUE(SlotIsZero(0));
  EXPECT_EQ(Titles().back(), "JOB CAN NOT BE ADDED");
  EXPECT_EQ(LastMessage(), "The audio codec identifier does not fit in a job (at most 7 bytes):\n\nA_TRUEHD");
}

TEST_F(AddJobTest, AudioChoices) {
  AudioTrack dts = DtsHdMa();
  dts.hdBitrateKbps = 3900;
  platform::CopyFixed(dts.channels, "8 ch");
  Add(Video(1920, 1080));
  Add(dts);
  app().settings.Down16 = 1;
  app().settings.Down6 = 1;
  app().settings.Media = 3;
  source().video[0].scannedPackets = 5;  // scanned: no question
  OpenFilm();
  AddToQueue();
  EXPECT_TRUE(ui().Popups().empty());
  ASSERT_TRUE(Added());
  EXPECT_EQ(Added0().audioKeepHd, 1);
  EXPECT_EQ(Added0().audioTarget, 0);
  EXPECT_EQ(Added0().audioCoreOnly, 0);
  EXPECT_STREQ(Added0().audioBitrateText, "3900");
  EXPECT_EQ(Added0().audioDown16, 1);
  EXPECT_EQ(Added0().audioDown6, 1);

  dts.hdBitrateKbps = 0;
  dts.scannedBitrateKbps = 4100;
  Add(Video(1920, 1080));
  Add(dts);
  source().video[0].scannedPackets = 5;
  OpenFilm();
  ChooseAudioTarget(0);  // the DTS core
  AddToQueue();
  EXPECT_EQ(app().queue[1].audioCoreOnly, 1);
  EXPECT_STREQ(app().queue[1].audioBitrateText, "1509");
}

TEST_F(AddJobTest, InterlacedAvcAndPlaylists) {
  VideoTrack video = Video(1920, 1080);
  platform::CopyFixed(video.scanType, "i");
  Add(video);
  source().joinPlaylist = 2;
  platform::CopyFixed(source().playlists[2].clips, "00001+00002");
  source().chosenPlaylist = 3;
  OpenFilm();
  AddToQueue();
  ASSERT_TRUE(Added());
  EXPECT_STREQ(Added0().x264Interlace, " --tff");
  EXPECT_EQ(Added0().x264UseLavf, 1);
  EXPECT_EQ(Added0().joinPlaylist, 2);
  EXPECT_STREQ(Added0().joinClips, "00001+00002");
  EXPECT_EQ(Added0().bdTitleNo, 3);
}

}  // namespace
