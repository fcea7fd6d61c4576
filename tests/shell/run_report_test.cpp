// The texts of a queue run told on a terminal.

#include <gtest/gtest.h>

#include <sstream>

#include "harness/app_harness.h"
#include "harness/sample_jobs.h"
#include "shell/run_report.h"

namespace {

TEST(RunReport, TextsOfStepsTimesAndEta) {
  EXPECT_EQ(StepName(JobX264Pass1), "X264 PASS 1");
  EXPECT_EQ(StepName(JobMkvMerge), "MKVMERGE PROCESS");
  EXPECT_EQ(WallTime(std::chrono::seconds(3725)), "1:02:05");
  EXPECT_EQ(EtaOf("x264 [42.5%] 425/1000 frames, 25.30 fps, 4000.00 kb/s, eta 0:12:10"), "eta 0:12:10");
  EXPECT_EQ(EtaOf("Progress: 42%"), "");
  EXPECT_EQ(EtaOf("beta test"), "");
  EXPECT_EQ(JobSteps(test::MkvRemuxJob("a", "/s.m2ts", "/a.mkv")), "demux, mkvmerge");
  EXPECT_EQ(JobSteps(test::MkvCrfJob("a", "/s.m2ts", "/a.mkv")), "demux, x264 CRF, mkvmerge");
  EXPECT_EQ(JobSteps(test::ForcedSubtitleJob("A", "/s.m2ts", "/A")),
            "demux, forced captions, x264 pass 1, x264 pass 2, tsMuxeR");
}

TEST(RunReport, ATerminalGetsOneProgressLineRewrittenInPlace) {
  test::AppHarness h;
  h.StartMainWindow();
  std::ostringstream out;
  RunReport report(h.app(), out, true);
  h.app().queue[4] = test::Bd25Job("A", "/s.m2ts", "/out/A");
  StoreState(h.app().queue[4], JobX264Pass1);
  h.app().runningJob = 4;
  report.Update();
  StoreState(h.app().queue[4], JobFinished);
  report.Update();
  h.app().runningJob = -1;
  EXPECT_EQ(out.str(),
            "[slot 4] start /out/A (BD-25 / 18000 Kbps / medium); steps: x264 pass 1, x264 pass 2, tsMuxeR\n"
            "\r\033[K[slot 4] X264 PASS 1    0.0%"
            "\r\033[K[slot 4] finished in 0:00:00\n");
}

}  // namespace
