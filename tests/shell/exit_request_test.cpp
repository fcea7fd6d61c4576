// Leaving the program: with no job running it ends at once; with a job
// running it asks first, and "No" keeps everything as it is.

#include <gtest/gtest.h>

#include <thread>

#include "fakes/fake_tools.h"
#include "harness/app_harness.h"
#include "harness/sample_jobs.h"
#include "queue/queue_control.h"
#include "queue/queue_store.h"
#include "shell/exit_request.h"

namespace {

TEST(ExitRequest, WithNoJobRunningTheExitButtonEndsTheProgramWithoutAQuestion) {
  test::AppHarness h;
  h.StartMainWindow();
  h.ui().FireCtrlEvent(h.panel(), PANEL_SALIR, ui::EVENT_COMMIT);
  EXPECT_TRUE(h.ui().Popups().empty());
  EXPECT_TRUE(h.ui().QuitRequested());
  EXPECT_FALSE(h.ui().PanelExists(h.panel()));
}

TEST(ExitRequest, OtherEventsOfTheExitButtonAreIgnored) {
  test::AppHarness h;
  h.StartMainWindow();
  h.ui().FireCtrlEvent(h.panel(), PANEL_SALIR, ui::EVENT_LEFT_CLICK);
  EXPECT_FALSE(h.ui().QuitRequested());
}

TEST(ExitRequest, WhileAJobRunsFileExitAsksAndNoKeepsRunning) {
  test::AppHarness h;
  h.StartMainWindow();
  h.app().runningJob = 4;
  h.ui().Script().Answer(0);
  h.ui().FireMenuItem(h.ui().GetPanelMenuBar(h.panel()), MENUBAR_FILE_EXIT);
  auto popups = h.ui().Popups();
  ASSERT_EQ(popups.size(), 1u);
  EXPECT_EQ(popups[0].title, "Quandrell");
  EXPECT_EQ(popups[0].message, "If you exit now will stop the current job.\n\nAre you sure?");
  EXPECT_FALSE(h.ui().QuitRequested());
  EXPECT_EQ(h.app().runningJob, 4);
  h.app().runningJob = -1;
}

// A job really running: the fake x264 waits in its first pass.
class ExitWhileRunning : public ::testing::Test {
 protected:
  ExitWhileRunning() {
    test::WriteFile(source, "m2ts");
    h.StartMainWindow();
    fakes.Set("X264_SLEEP", "30");
    h.app().queue[3] = test::Bd25Job("FILM", source, scratch / "FILM");
    StartJobs(h.app());
    for (int i = 0; i < 500 && fakes.Runs().empty(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ~ExitWhileRunning() override { EXPECT_TRUE(h.app().pipeline.WaitIdle(std::chrono::seconds(20))); }
  int32_t StoredState() {
    h.app().queue = JobQueue{};
    LoadQueue(h.app());
    return h.app().queue[3].state;
  }

  test::FakeTools fakes;
  test::TempDir scratch;
  test::AppHarness h;
  const std::string source = scratch / "00800.m2ts";
};

TEST_F(ExitWhileRunning, YesStopsTheJobWhichIsKeptStoppedForTheNextStart) {
  ASSERT_EQ(h.app().runningJob, 3);
  h.ui().Script().Answer(1);
  h.ui().FireCtrlEvent(h.panel(), PANEL_SALIR, ui::EVENT_COMMIT);
  EXPECT_TRUE(h.ui().QuitRequested());
  EXPECT_EQ(h.app().runningJob, -1);
  EXPECT_TRUE(h.app().pipeline.WaitIdle(std::chrono::seconds(20)));
  EXPECT_EQ(StoredState(), JobStopped);
}

TEST_F(ExitWhileRunning, TheEndOfTheSessionStopsTheJobWithoutAQuestion) {
  ASSERT_EQ(h.app().runningJob, 3);
  EndSession(h.app());
  EXPECT_TRUE(h.ui().Popups().empty());
  EXPECT_TRUE(h.ui().QuitRequested());
  EXPECT_TRUE(h.app().pipeline.WaitIdle(std::chrono::seconds(20)));
  EXPECT_EQ(StoredState(), JobStopped);
}

TEST(WindowTitle, NamesTheProductVersionAndWordSize) {
  test::AppHarness h;
  h.StartMainWindow();
  EXPECT_EQ(ui::AsText(h.ui().GetPanelAttribute(h.panel(), ui::ATTR_TITLE)), "Quandrell v1.7.1   (64-bit mode)");
}

}  // namespace
