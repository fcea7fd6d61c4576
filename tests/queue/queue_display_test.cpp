// The queue tree: one folded line per job with its exact text and colour,
// the detail lines below it, and the buttons the queue allows.

#include "platform/fixed_text.h"
#include "queue/queue_display.h"
#include "queue/queue_fixture.h"

namespace {

using platform::CopyFixed;
using test::QueueTest;

using QueueDisplayTest = QueueTest;

TEST_F(QueueDisplayTest, AnEmptyQueueDimsEveryQueueButton) {
  RedrawQueue(app());
  EXPECT_TRUE(h.ui().Items(panel(), PANEL_COLA2).empty());
  for (int control : {PANEL_GO, PANEL_CANCELAR, PANEL_CLEAR, PANEL_DELETE, PANEL_UP, PANEL_DOWN})
    EXPECT_TRUE(Dimmed(control)) << control;
}

TEST_F(QueueDisplayTest, ATwoPassBlurayJobShowsItsTargetsAndDetails) {
  Job job = test::BlurayJob();
  job.joinPlaylist = 800;
  CopyFixed(job.joinClips, "00055+00056+00057");
  Put(0, job);

  EXPECT_EQ(JobLines(), (std::vector<std::string>{
                            "[PENDING]          /home/user/AVCHD/Movie (BD-25 / 18000 Kbps / slow)"}));
  EXPECT_EQ(DetailLinesOf(0),
            (std::vector<std::string>{
                "Source: /media/discs/MOVIE",
                "Join parts: 00055+00056+00057",
                "Video: AVC / 23.976 fps / 172800 frames",
                "Target video: AVC / BD-25 / 18000 Kbps / tune film / preset slow",
                "Audio: A_AC3 / track 4352 / eng",
                "Target audio: untouched 640 Kbps",
                "Subtitle: S_HDMV/PGS / track 4608 / spa",
            }));
  const auto line = h.ui().Items(panel(), PANEL_COLA2)[0];
  EXPECT_EQ(ui::AsInt(line.attrs.at(ui::ATTR_COLLAPSED)), 1);
  EXPECT_EQ(line.attrs.count(ui::ATTR_LABEL_COLOR), 0u);
}

TEST_F(QueueDisplayTest, AFinishedCopiedMkvJobIsGreenWithItsMediaLabelOnly) {
  Put(4, test::MkvRemuxJob(), JobFinished);
  EXPECT_EQ(JobLines(), (std::vector<std::string>{"[FINISHED]         /home/user/AVCHD/Movie.mkv (MKV Remux)"}));
  EXPECT_EQ(DetailLinesOf(4), (std::vector<std::string>{
                                  "Source: /home/user/Videos/Movie.2010.mkv",
                                  "Video: AVC / 23.976 fps / 172800 frames",
                                  "Target video: untouched / MKV Remux",
                                  "Audio: A_AC3 / track 4352 / eng",
                                  "Target audio: untouched 640 Kbps",
                                  "Subtitle: none",
                              }));
  EXPECT_EQ(ui::AsInt(h.ui().Items(panel(), PANEL_COLA2)[0].attrs.at(ui::ATTR_LABEL_COLOR)), 0x008000);
}

TEST_F(QueueDisplayTest, AnMkvEncodeShowsItsCrfValue) {
  Job job = test::MkvRemuxJob();
  job.videoCopy = 0;
  job.videoBitrate = 20;
  CopyFixed(job.mediaLabel, "MKV");
  Put(0, job, JobFailed);
  EXPECT_EQ(JobLines()[0], "[FAILED]           /home/user/AVCHD/Movie.mkv (MKV / CRF 20 / slow)");
  EXPECT_EQ(DetailLinesOf(0)[2], "Target video: AVC / MKV / CRF 20 / tune film / preset slow");
  EXPECT_EQ(ui::AsInt(h.ui().Items(panel(), PANEL_COLA2)[0].attrs.at(ui::ATTR_LABEL_COLOR)), 0xFF0000);
}

TEST_F(QueueDisplayTest, TargetVideoLineCarriesCropResizeExtraOptionsAnd3d) {
  struct Case {
    int crop, resize, mode3d;
    const char* extra;
    const char* line;
  } cases[] = {
      {800, 1, 0, "", "Target video: AVC / BD-25 / 18000 Kbps / tune film / preset slow / crop 800 + resize 720p"},
      {800, 0, 0, "", "Target video: AVC / BD-25 / 18000 Kbps / tune film / preset slow / crop 800"},
      {0, 2, 0, "", "Target video: AVC / BD-25 / 18000 Kbps / tune film / preset slow / resize 720p"},
      {0, 0, 1, "--bluray-compat",
       "Target video: AVC / BD-25 / 18000 Kbps / tune film / preset slow / --bluray-compat / 3D SBS"},
      {544, 0, 2, "", "Target video: AVC / BD-25 / 18000 Kbps / tune film / preset slow / crop 544 / 3D SBS REV."},
      {0, 0, 3, "", "Target video: AVC / BD-25 / 18000 Kbps / tune film / preset slow / 3D MVC"},
  };
  for (const Case& c : cases) {
    Job job = test::BlurayJob();
    job.cropHeight = c.crop;
    job.resize720 = c.resize;
    job.mode3d = static_cast<int8_t>(c.mode3d);
    CopyFixed(job.x264ExtraOptions, c.extra);
    Put(0, job);
    EXPECT_EQ(DetailLinesOf(0)[2], c.line);
    EXPECT_EQ(DetailLinesOf(0)[1], c.mode3d ? "Video: AVC / 23.976 fps / 172800 frames / 3D MVC"
                                            : "Video: AVC / 23.976 fps / 172800 frames");
  }
}

TEST_F(QueueDisplayTest, TargetAudioLineTakesTheFirstAlternativeThatHolds) {
  struct Case {
    int target, keepHd, coreOnly;
    const char* bitrate;
    const char* line;
  } cases[] = {
      {2, 1, 1, "4000", "Target audio: recode to FLAC (lossless)"},
      {640, 1, 0, "4000", "Target audio: recode to AC3 640 Kbps"},
      {0, 1, 1, "3500", "Target audio: untouched HD track ~3500 Kbps"},
      {0, 1, 0, "0", "Target audio: untouched HD track"},
      {0, 1, 0, "", "Target audio: untouched HD track"},
      {0, 0, 1, "1509", "Target audio: downconvert to Core 1509 Kbps"},
      {0, 0, 0, "448", "Target audio: untouched 448 Kbps"},
  };
  for (const Case& c : cases) {
    Job job = test::BlurayJob();
    job.audioTarget = c.target;
    job.audioKeepHd = static_cast<int8_t>(c.keepHd);
    job.audioCoreOnly = c.coreOnly;
    CopyFixed(job.audioBitrateText, c.bitrate);
    Put(0, job);
    EXPECT_EQ(DetailLinesOf(0)[4], c.line);
  }
}

TEST_F(QueueDisplayTest, SubtitleLineNamesTheMode) {
  const char* lines[] = {"Subtitle: none", "Subtitle: S_HDMV/PGS / track 4608 / spa",
                         "Subtitle: S_HDMV/PGS / track 4608 / spa / mark as forced",
                         "Subtitle: S_HDMV/PGS / track 4608 / spa / extract only forced captions"};
  for (int mode = 0; mode < 4; ++mode) {
    Job job = test::BlurayJob();
    job.subMode = mode;
    Put(0, job);
    EXPECT_EQ(DetailLinesOf(0).back(), lines[mode]);
  }
}

TEST_F(QueueDisplayTest, EveryStateHasItsNineteenCharacterLabel) {
  const std::pair<int32_t, std::string> labels[] = {
      {JobPending, "[PENDING]          "},  {JobStopped, "[STOPPED]          "},
      {JobDemuxing, "[EAC3TO PROCESS]   "}, {JobX264Pass1, "[X264 PASS 1]      "},
      {JobX264Pass2, "[X264 PASS 2]      "}, {JobX264Crf, "[X264 CRF]         "},
      {JobTsMuxer, "[TSMUXER PROCESS]  "}, {JobMkvMerge, "[MKVMERGE PROCESS] "},
      {JobFinished, "[FINISHED]         "}, {JobCanceled, "[CANCELED]         "},
      {JobFailed, "[FAILED]           "}};
  for (int i = 0; i < 11; ++i) {
    app().queue[i * 9] = test::BlurayJob();
    app().queue[i * 9].state = labels[i].first;
  }
  RedrawQueue(app());
  const auto lines = JobLines();
  ASSERT_EQ(lines.size(), 11u);
  for (int i = 0; i < 11; ++i) {
    EXPECT_EQ(labels[i].second.size(), 19u);
    EXPECT_EQ(lines[i], labels[i].second + "/home/user/AVCHD/Movie (BD-25 / 18000 Kbps / slow)");
  }
}

TEST_F(QueueDisplayTest, FreeSlotsLeaveNoGapAndEveryLineCarriesItsSlot) {
  Put(2, test::BlurayJob());
  Put(9, test::MkvRemuxJob());
  std::vector<std::pair<int, int>> depthAndSlot;
  for (const auto& item : h.ui().Items(panel(), PANEL_COLA2))
    depthAndSlot.emplace_back(item.depth, ui::AsInt(item.value));
  const std::vector<std::pair<int, int>> expected = {{0, 2}, {1, 2}, {1, 2}, {1, 2}, {1, 2}, {1, 2}, {1, 2},
                                                     {0, 9}, {1, 9}, {1, 9}, {1, 9}, {1, 9}, {1, 9}, {1, 9}};
  EXPECT_EQ(depthAndSlot, expected);
}

TEST_F(QueueDisplayTest, ButtonsFollowWhatTheQueueHolds) {
  Put(0, test::BlurayJob(), JobFinished);
  EXPECT_FALSE(Dimmed(PANEL_CLEAR));
  EXPECT_TRUE(Dimmed(PANEL_GO));
  EXPECT_TRUE(Dimmed(PANEL_CANCELAR));
  Put(1, test::BlurayJob(), JobX264Pass1);
  EXPECT_FALSE(Dimmed(PANEL_GO));
  EXPECT_FALSE(Dimmed(PANEL_CANCELAR));
  Put(0, test::BlurayJob(), JobFailed);
  Put(1, Job{}, JobFree);
  EXPECT_FALSE(Dimmed(PANEL_GO));
  EXPECT_TRUE(Dimmed(PANEL_CANCELAR));
  EXPECT_TRUE(Dimmed(PANEL_CLEAR));
}

TEST_F(QueueDisplayTest, ARedrawKeepsTheSelectedJob) {
  Put(1, test::BlurayJob());
  Put(6, test::BlurayJob());
  Select(6);
  StoreState(app().queue[1], JobDemuxing);  // the pipeline moves on and redraws
  RedrawQueue(app());
  EXPECT_EQ(ui::AsInt(h.ui().GetCtrlVal(panel(), PANEL_COLA2)), 6);
}

}  // namespace
