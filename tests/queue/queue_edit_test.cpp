// Changing the queue by hand: moving, removing and clearing jobs, with the
// buttons and the context menu.

#include "platform/fixed_text.h"
#include "queue/queue_fixture.h"
#include "queue/queue_store.h"

namespace {

using test::QueueTest;

class QueueEditTest : public QueueTest {
 protected:
  int SelectedSlot() { return ui::AsInt(h.ui().GetCtrlVal(panel(), PANEL_COLA2)); }
  std::string Output(int slot) { return app().queue[slot].outputPath; }
  Job Named(const std::string& output) {
    Job job = test::BlurayJob();
    platform::CopyFixed(job.outputPath, output);
    return job;
  }
};

TEST_F(QueueEditTest, MoveUpIntoAFreeSlotAndKeepTheSelection) {
  Put(1, Named("/o/B"));
  Select(1);
  EXPECT_FALSE(Dimmed(PANEL_UP));
  EXPECT_TRUE(Dimmed(PANEL_DOWN));  // a free slot below
  Click(PANEL_UP);
  EXPECT_EQ(State(1), JobFree);
  EXPECT_EQ(Output(0), "/o/B");
  EXPECT_EQ(SelectedSlot(), 0);
  EXPECT_TRUE(Dimmed(PANEL_UP));
  EXPECT_EQ(StoredJobNames(), (std::vector<std::string>{"Job_0"}));
}

TEST_F(QueueEditTest, MoveDownSwapsWholeJobsButNeverIntoAFreeSlot) {
  Put(4, Named("/o/A"), JobFailed);
  Put(5, Named("/o/B"), JobFinished);
  Select(4);
  Click(PANEL_DOWN);
  EXPECT_EQ(Output(5), "/o/A");
  EXPECT_EQ(State(5), JobFailed);
  EXPECT_EQ(Output(4), "/o/B");
  EXPECT_EQ(SelectedSlot(), 5);
  EXPECT_EQ(JobLines()[1].substr(0, 19), "[FAILED]           ");
  Click(PANEL_DOWN);  // slot 6 is free
  EXPECT_EQ(Output(5), "/o/A");
  EXPECT_EQ(State(6), JobFree);
}

TEST_F(QueueEditTest, OnlyWaitingJobsMoveAndNeverPastTheEnds) {
  Put(0, Named("/o/A"));
  Put(1, Named("/o/B"), JobFinished);
  Put(98, Named("/o/C"), JobCanceled);
  Put(99, Named("/o/D"), JobStopped);
  Select(0);
  EXPECT_TRUE(Dimmed(PANEL_UP));
  Select(1);  // finished
  EXPECT_TRUE(Dimmed(PANEL_UP));
  EXPECT_TRUE(Dimmed(PANEL_DOWN));
  Click(PANEL_UP);
  EXPECT_EQ(Output(1), "/o/B");
  Select(99);
  EXPECT_TRUE(Dimmed(PANEL_DOWN));
  Click(PANEL_UP);
  EXPECT_EQ(Output(98), "/o/D");
}

TEST_F(QueueEditTest, TheRunningJobAndItsNeighboursStayInPlace) {
  Put(2, Named("/o/A"));
  Put(3, Named("/o/B"));
  Put(4, Named("/o/C"));
  Click(PANEL_GO);  // picks slot 2: still pending until its first step
  Select(3);
  EXPECT_TRUE(Dimmed(PANEL_UP));
  Click(PANEL_UP);
  Select(2);
  EXPECT_TRUE(Dimmed(PANEL_DOWN));
  EXPECT_TRUE(Dimmed(PANEL_DELETE));
  Click(PANEL_DOWN);
  Click(PANEL_DELETE);
  EXPECT_EQ(Output(2), "/o/A");
  EXPECT_EQ(Output(3), "/o/B");
  StoreState(app().queue[2], JobX264Pass1);
  Select(3);
  EXPECT_TRUE(Dimmed(PANEL_UP));
  EXPECT_FALSE(Dimmed(PANEL_DOWN));
}

TEST_F(QueueEditTest, RemovingARunningJobIsRefusedSilently) {
  Put(0, Named("/o/A"));
  Click(PANEL_GO);
  StoreState(app().queue[0], JobDemuxing);
  Select(0);
  Click(PANEL_DELETE);
  ChooseFromMenu(MENUL_POPUP_DEL);
  EXPECT_EQ(State(0), JobDemuxing);
  for (const auto& popup : h.ui().Popups()) EXPECT_NE(popup.kind, ui::memory::PopupRecord::Confirm);
}

TEST_F(QueueEditTest, RemoveAsksForWaitingJobsButNotForCompletedOnes) {
  Put(0, Named("/o/A"), JobStopped);
  Put(1, Named("/o/B"), JobFinished);
  SaveQueue(app());
  Select(0);
  h.ui().Script().Answer(0);
  Click(PANEL_DELETE);
  EXPECT_EQ(h.ui().Popups().back().message, "This will remove the selected job and TEMP files.\n\nAre you sure?");
  EXPECT_EQ(State(0), JobStopped);
  h.ui().Script().Answer(1);
  Click(PANEL_DELETE);
  EXPECT_EQ(State(0), JobFree);
  EXPECT_TRUE(StoredJobNames().empty());

  h.ui().ClearPopups();
  Select(1);
  Click(PANEL_DELETE);
  EXPECT_EQ(State(1), JobFree);
  EXPECT_TRUE(h.ui().Popups().empty());
  EXPECT_TRUE(Dimmed(PANEL_DELETE));
}

TEST_F(QueueEditTest, TheMenuRemovesWithoutAsking) {
  Put(3, Named("/o/A"), JobPending);
  Select(3);
  ChooseFromMenu(MENUL_POPUP_DEL);
  EXPECT_EQ(State(3), JobFree);
  EXPECT_EQ(h.ui().Popups().back().kind, ui::memory::PopupRecord::ContextMenu);
}

TEST_F(QueueEditTest, ClearCompletedFreesOnlyFinishedAndCancelledJobs) {
  Put(0, Named("/o/A"), JobFinished);
  Put(1, Named("/o/B"), JobFailed);
  Put(2, Named("/o/C"), JobCanceled);
  Put(3, Named("/o/D"), JobPending);
  Click(PANEL_CLEAR);
  EXPECT_EQ(State(0), JobFree);
  EXPECT_EQ(State(1), JobFailed);
  EXPECT_EQ(State(2), JobFree);
  EXPECT_EQ(State(3), JobPending);
  EXPECT_EQ(JobLines().size(), 2u);
  EXPECT_TRUE(Dimmed(PANEL_CLEAR));
  Click(PANEL_CLEAR);
  EXPECT_EQ(JobLines().size(), 2u);
}

TEST_F(QueueEditTest, TheMenuMovesJobsByTheSameRules) {
  Put(0, Named("/o/A"));
  Put(1, Named("/o/B"));
  Select(0);
  ChooseFromMenu(MENUL_POPUP_UP);  // dimmed: nothing happens
  EXPECT_EQ(Output(0), "/o/A");
  ChooseFromMenu(MENUL_POPUP_DOWN);
  EXPECT_EQ(Output(0), "/o/B");
  EXPECT_EQ(SelectedSlot(), 1);
  ChooseFromMenu(MENUL_POPUP_UP);
  EXPECT_EQ(Output(0), "/o/A");
}

TEST_F(QueueEditTest, AnEmptyQueueHasNoContextMenu) {
  h.ui().Script().PickMenuItem(MENUL_POPUP_OPENS);
  h.ui().FireCtrlEvent(panel(), PANEL_COLA2, ui::EVENT_RIGHT_CLICK, 10, 10);
  EXPECT_TRUE(h.ui().Popups().empty());
  EXPECT_TRUE(h.opener().Opened().empty());
}

}  // namespace
