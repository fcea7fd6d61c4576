// The whole road of a job: a video file made with FFmpeg is opened through
// the chooser, analysed by the eac3to stand-in and the real libmediainfo,
// planned, added to the queue and its store, and run by the engine with
// the build's stand-ins into an AVCHD folder.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <cstring>
#include <filesystem>

#include "harness/app_harness.h"
#include "media_fixtures.h"
#include "media_probe.h"
#include "platform/fixed_text.h"

namespace {

// The tools are looked up only among the build's stand-ins.
class StandInTools {
 public:
  StandInTools() { setenv("QUANDRELL_TOOLS_DIR", QUANDRELL_TEST_PROGRAM_DIR, 1); }
  ~StandInTools() { unsetenv("QUANDRELL_TOOLS_DIR"); }
};

TEST(AddJobRoad, FromOpeningAVideoFileToAFinishedJob) {
  StandInTools tools;
  test::AppHarness h;
  h.StartMainWindow();
  App& app = h.app();
  app.settings.Scrape = 0;  // no title lookup leaves the machine
  const std::string clip = h.dir() / "Road.Film.2012.1080p.BluRay.m2ts";
  std::filesystem::copy_file(quandrell::test::M2tsClip(), clip);
  const int panel = h.panel();

  h.ui().Script().Choose(clip);
  h.ui().FireCtrlEvent(panel, PANEL_OPEN, ui::EVENT_COMMIT);
  ASSERT_EQ(h.ui().GetNumListItems(panel, PANEL_S_VIDEO), 1);
  ASSERT_EQ(h.ui().GetNumListItems(panel, PANEL_S_AUDIO), 2);
  EXPECT_EQ(ui::AsInt(h.ui().GetCtrlAttribute(panel, PANEL_ADD, ui::ATTR_DIMMED)), 0);
  // Ten seconds on a DVD5 leave room for any video: it is copied.
  EXPECT_EQ(ui::AsText(h.ui().GetCtrlVal(panel, PANEL_INFO)).rfind("Info: source bitrate (~", 0), 0u);

  h.ui().FireCtrlEvent(panel, PANEL_ADD, ui::EVENT_COMMIT);  // a scan question, if any, answered "No"
  const Job& job = app.queue[0];
  ASSERT_EQ(LoadState(job), JobPending);
  EXPECT_EQ(std::string(job.sourceFile), clip);
  EXPECT_STREQ(job.name, "ROAD FILM (2012)");
  EXPECT_STREQ(job.sourceBdFolder, "");
  EXPECT_EQ(job.media, 0);
  EXPECT_EQ(job.videoCopy, 1);
  EXPECT_NEAR(job.frameCount, 240, 1);  // as libmediainfo counts them
  EXPECT_STREQ(job.fpsRational, "24000/1001");
  EXPECT_STREQ(job.videoCodec, "AVC");
  EXPECT_EQ(job.videoStreamTrack, 0x1011);
  EXPECT_EQ(job.videoTrackNo, 1);  // a stream file: no chapters entry
  EXPECT_EQ(job.audioStreamTrack, 0x1100);  // the English track is preferred
  EXPECT_EQ(job.audioTrackNo, 2);
  EXPECT_STREQ(job.audioLang, "eng");
  EXPECT_STREQ(job.audioCodecId, "A_AC3");  // not the stream type "129" libmediainfo gives
  EXPECT_STREQ(job.audioBitrateText, "448");
  EXPECT_EQ(job.videoWidth, 1920);
  EXPECT_EQ(job.videoHeight, 1080);

  std::vector<uint8_t> stored;
  ASSERT_EQ(h.store().Read(platform::kQuandrellKey, "Job_0", sizeof(Job), stored), platform::ReadStatus::Ok);
  ASSERT_EQ(stored.size(), sizeof(Job));
  EXPECT_EQ(std::memcmp(stored.data(), &job, sizeof(Job)), 0);
  EXPECT_EQ(ui::AsText(h.ui().GetCtrlVal(panel, PANEL_SOURCE)), "");

  h.ui().FireCtrlEvent(panel, PANEL_GO, ui::EVENT_COMMIT);
  ASSERT_TRUE(app.pipeline.WaitIdle(std::chrono::seconds(60)));
  EXPECT_EQ(LoadState(job), JobFinished);
  // The copied video and the English track, read back by ffprobe.
  const auto streams = quandrell::test::ProbeStreams(std::string(job.outputPath) + "/BDMV/STREAM/00000.m2ts");
  ASSERT_EQ(streams.size(), 2u);
  EXPECT_EQ(streams[0].Get("codec_name"), "h264");
  EXPECT_EQ(streams[0].Number("width"), 1920);
  EXPECT_EQ(streams[1].Get("codec_name"), "ac3");
  EXPECT_EQ(streams[1].Number("channels"), 6);
  EXPECT_NEAR(quandrell::test::ProbeDuration(std::string(job.outputPath) + "/BDMV/STREAM/00000.m2ts"), 10, 0.5);
}

}  // namespace
