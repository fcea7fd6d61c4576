// The status timer while a tool runs: what reaches the progress bar, the
// status line and the launcher, read from the tools' real output formats.

#include <functional>
#include <thread>

#include "engine/tool_runner.h"
#include "engine_fixture.h"
#include "queue/queue_control.h"
#include "shell/app.h"

namespace {

using namespace std::chrono_literals;

class ProgressTimer : public test::EngineTest {
 protected:
  void Tick() { harness.ui().FireCtrlEvent(harness.panel(), PANEL_TIMER, ui::EVENT_TIMER_TICK); }
  bool TickUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 250; ++i) {
      Tick();
      if (done()) return true;
      std::this_thread::sleep_for(20ms);
    }
    return false;
  }
};

TEST_F(ProgressTimer, TsMuxerProgressReachesTheBarTheStatusLineAndTheLauncher) {
  Queue(0, "Movie");
  test::WriteFile(Temp("Movie.job_0.stats"), "s");
  test::WriteFile(Temp("Movie.job_0.264"), "v");
  fakes.Set("TSMUXER_SLEEP", "30");
  StartNextJob(app());
  // Both progress lines came in one burst: the newest is shown.
  ASSERT_TRUE(TickUntil([&] { return BarValue() != 0; }));
  EXPECT_EQ(BarValue(), 400);
  EXPECT_EQ(StatusLine(), "40.0% complete");
  EXPECT_EQ(BarLabel(), "[STEP 3/3 - TSMUXER PROCESS] Muxing audio/video/subs and creating AVCHD folders structure...");
  EXPECT_EQ(taskbar->Events(), (std::vector<std::string>{"state 1", "state 2", "400/1000"}));
  StopRunningJob(app());
}

TEST_F(ProgressTimer, X264ProgressComesFromItsTitle) {
  Queue(0, "Movie").frameCount = 100;
  fakes.Set("X264_SLEEP", "30");
  StartNextJob(app());
  ASSERT_TRUE(TickUntil([&] { return BarValue() != 0; }));
  EXPECT_EQ(BarValue(), 400);
  EXPECT_EQ(StatusLine(), "x264 [40.0%] 40/100 frames, 25.00 fps, 1000.00 kb/s, eta 0:00:01  ");
  EXPECT_EQ(BarLabel(), "[STEP 1/3 - X264 PASS 1] Recode video using x264, 1st pass...");
  StopRunningJob(app());
}

TEST_F(ProgressTimer, Eac3toNamesItsSecondPassInTheLabel) {
  Queue(0, "Movie").audioTarget = 640;
  fakes.Set("EAC3TO_SLEEP", "30");
  fakes.Set("EAC3TO_SECOND_PASS", "1");
  StartNextJob(app());
  const std::string label = "[STEP 1/4 - EAC3TO PROCESS] Recode audio to AC3 640...";
  ASSERT_TRUE(TickUntil([&] { return BarLabel() == label + " (2nd pass)..."; })) << BarLabel();
  EXPECT_EQ(StatusLine(), "Process: 40%");
  EXPECT_EQ(BarValue(), 400);
  StopRunningJob(app());
}

class ToolProgress : public ProgressTimer {
 protected:
  // mkvmerge run by itself under a job in the muxing state.
  void StartMkvmerge() {
    StoreState(Queue(0, "Movie"), JobMkvMerge);
    app().runningJob = 0;
    fakes.Set("MKVMERGE_SLEEP", "30");
    tool = std::thread([this] {
      run = RunTool(app(), Tool::MkvMerge, "\"" + Tool("mkvtoolnix/mkvmerge") + "\" -o \"" + Scratch("out.mkv") + "\"");
    });
    WaitForRuns(1);
  }
  void Stop() {
    app().tool.abortRequest = AbortStop;
    TerminateRunningTool(app());
    tool.join();
    app().runningJob = -1;
  }
  std::thread tool;
  ToolRun run;
};

TEST_F(ToolProgress, MkvmergeProgressIsShownAndAStopEndsTheRun) {
  StartMkvmerge();
  ASSERT_TRUE(TickUntil([&] { return BarValue() != 0; }));
  EXPECT_EQ(BarValue(), 400);
  EXPECT_EQ(StatusLine(), "Progress: 40%");
  Stop();
  EXPECT_TRUE(run.started);
  EXPECT_EQ(run.abort, AbortStop);
  EXPECT_FALSE(run.Ok());
}

TEST_F(ToolProgress, InDebugModeTheOutputGoesToTheLogAndNoProgressIsRead) {
  app().switches.debugMode = 1;
  StartMkvmerge();
  for (int i = 0; i < 20; ++i) {
    Tick();
    std::this_thread::sleep_for(10ms);
  }
  EXPECT_EQ(BarValue(), 0);
  EXPECT_EQ(StatusLine(), "");
  Stop();
  const std::string log = test::ReadFile(Temp("debug_log.txt"));
  EXPECT_NE(log.find("=== [MKVMERGE PROCESS] Do not close this window!!!\n"), std::string::npos);
  EXPECT_NE(log.find("Progress: 40%"), std::string::npos);
}

}  // namespace
