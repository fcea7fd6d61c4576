// Leaving the program: with no job running it ends at once; with a job
// running it asks first, and "No" keeps everything as it is.

#include <gtest/gtest.h>

#include "harness/app_harness.h"

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

TEST(WindowTitle, NamesTheProductVersionAndWordSize) {
  test::AppHarness h;
  h.StartMainWindow();
  EXPECT_EQ(ui::AsText(h.ui().GetPanelAttribute(h.panel(), ui::ATTR_TITLE)), "Quandrell v1.7.1   (64-bit mode)");
}

}  // namespace
