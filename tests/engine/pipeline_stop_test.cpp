// Stopping and cancelling a running job, in the middle of a tool and
// between two tools, and debug mode, which keeps every temporary file.

#include <signal.h>

#include <filesystem>
#include <thread>

#include "engine/tool_runner.h"
#include "engine_fixture.h"
#include "queue/queue_control.h"
#include "shell/app.h"

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

class PipelineStop : public test::EngineTest {};

TEST_F(PipelineStop, AStopDuringTheSecondPassLogsNothingAndTheJobResumesThere) {
  Queue(0, "Movie");
  fakes.Set("X264_SLEEP", "30");
  fakes.Set("X264_WHEN", "--pass 2");
  StartNextJob(app());
  WaitForRuns(2);
  WaitForFile(Temp("Movie.job_0.264"));
  const auto stopped = std::chrono::steady_clock::now();
  StopRunningJob(app());
  WaitIdle();
  EXPECT_LT(std::chrono::steady_clock::now() - stopped, 5s);
  EXPECT_EQ(LoadState(job(0)), JobStopped);
  EXPECT_EQ(ErrorLog(), "");
  EXPECT_FALSE(fs::exists(Temp("Movie.job_0.264"))) << "the interrupted pass's partial stream";
  EXPECT_TRUE(fs::exists(Temp("Movie.job_0.stats")));

  fakes.Set("X264_SLEEP", "0");
  StartQueue();
  ASSERT_EQ(ToolsRun(), (std::vector<std::string>{"x264", "x264", "x264", "tsMuxeR"}));
  EXPECT_EQ(fakes.Runs()[2].argv, fakes.Runs()[1].argv);
  EXPECT_EQ(LoadState(job(0)), JobFinished);
}

TEST_F(PipelineStop, ACancelRemovesTheJobsTemporaryFilesAndTheQueueWaits) {
  Queue(0, "Movie");
  Queue(1, "Next");
  fakes.Set("X264_SLEEP", "30");
  StartNextJob(app());
  WaitForFile(Temp("Movie.job_0.stats.temp"));
  CancelRunningJob(app());
  WaitIdle();
  EXPECT_EQ(LoadState(job(0)), JobCanceled);
  EXPECT_EQ(LoadState(job(1)), JobPending);
  EXPECT_EQ(taskbar->Events().back(), "state 0");
  EXPECT_EQ(ToolsRun(), std::vector<std::string>{"x264"});
  for (const char* gone : {"Movie.job_0.stats.temp", "Movie.job_0.stats.mbtree.temp"})
    EXPECT_FALSE(fs::exists(Temp(gone))) << gone;
  EXPECT_EQ(ErrorLog(), "");
}

TEST_F(PipelineStop, AStopThatLandsAsAToolEndsNeverStartsTheNextTool) {
  Queue(0, "Movie");
  fakes.Set("X264_SLEEP", "1");
  StartNextJob(app());
  // Well inside the pass: a request during the start would end the tool.
  WaitForFile(Temp("Movie.job_0.stats.temp"));
  std::this_thread::sleep_for(200ms);
  // The request comes without a termination, as one landing just as the
  // tool ends.
  app().tool.abortRequest = AbortStop;
  WaitIdle();
  EXPECT_EQ(ToolsRun(), std::vector<std::string>{"x264"});
  EXPECT_TRUE(fs::exists(Temp("Movie.job_0.stats"))) << "the pass itself ended well";
  EXPECT_EQ(LoadState(job(0)), JobStopped);
  EXPECT_EQ(ErrorLog(), "");
  app().runningJob = -1;
}

TEST_F(PipelineStop, AStopBetweenStepsSurvivesAQuickRestartsClearing) {
  app().tool.abortRequest = AbortStop;
  TerminateRunningTool(app());  // nothing runs
  app().tool.abortRequest = AbortNone;
  const ToolRun run = RunTool(app(), Tool::X264, "\"" + Tool("x264/x264") + "\" --version");
  EXPECT_FALSE(run.started);
  EXPECT_EQ(run.abort, AbortStop);
  EXPECT_TRUE(fakes.Runs().empty());
  // The next job's run starts afresh.
  Queue(0, "Movie");
  StartQueue();
  EXPECT_EQ(LoadState(job(0)), JobFinished);
}

TEST_F(PipelineStop, StoppingEndsWhatTheToolStartedToo) {
  Queue(0, "Movie");
  fakes.Set("X264_SLEEP", "30");
  fakes.Set("X264_GRANDCHILD", Scratch("grandchild.pid"));
  StartNextJob(app());
  WaitForFile(Scratch("grandchild.pid"));
  pid_t grandchild = 0;
  for (int i = 0; i < 100 && grandchild == 0; ++i) {
    grandchild = std::atoi(test::ReadFile(Scratch("grandchild.pid")).c_str());
    std::this_thread::sleep_for(10ms);
  }
  ASSERT_GT(grandchild, 0);
  StopRunningJob(app());
  WaitIdle();
  bool gone = false;
  for (int i = 0; i < 300 && !gone; ++i) {
    const std::string stat = test::ReadFile("/proc/" + std::to_string(grandchild) + "/stat");
    gone = stat.empty() || stat.find(") Z") != std::string::npos;
    std::this_thread::sleep_for(10ms);
  }
  EXPECT_TRUE(gone) << "process " << grandchild << " outlived the stop";
  if (!gone) kill(grandchild, SIGKILL);
}

TEST_F(PipelineStop, DebugModeKeepsTheTemporaryFilesAndLogsTheToolsOutput) {
  app().switches.debugMode = 1;
  Queue(0, "Movie");
  StartQueue();
  EXPECT_EQ(LoadState(job(0)), JobFinished);
  for (const char* kept : {"Movie.job_0.stats", "Movie.job_0.264", "temp.job_0.meta"})
    EXPECT_TRUE(fs::exists(Temp(kept))) << kept;
  const std::string log = test::ReadFile(Temp("debug_log.txt"));
  EXPECT_NE(log.find("=== [TSMUXER PROCESS] Do not close this window!!!\n\"" + Tool("tsmuxer/tsMuxeR") + "\""),
            std::string::npos);
  EXPECT_NE(log.find("Mux successful complete"), std::string::npos);
  EXPECT_NE(log.find("encoded 100 frames"), std::string::npos);
  EXPECT_EQ(harness.opener().Opened(), std::vector<std::string>{Temp("debug_log.txt")});
}

TEST_F(PipelineStop, DebugModeKeepsThemAfterACancelToo) {
  app().switches.debugMode = 1;
  Queue(0, "Movie");
  fakes.Set("X264_SLEEP", "30");
  StartNextJob(app());
  WaitForFile(Temp("Movie.job_0.stats.temp"));
  CancelRunningJob(app());
  WaitIdle();
  EXPECT_TRUE(fs::exists(Temp("Movie.job_0.stats.temp")));
}

}  // namespace
