// Running the queue: which job goes next, Start/Stop Jobs and Cancel, the
// idle display, and the power requests around a run.

#include "queue/queue_control.h"
#include "queue/queue_fixture.h"

namespace {

using test::QueueTest;

class QueueControlTest : public QueueTest {
 protected:
  void Confirm(bool yes) { h.ui().Script().Answer(yes ? 1 : 0); }
  int BarValue() { return ui::AsInt(h.ui().GetCtrlVal(panel(), PANEL_BARRA)); }
  std::string BarLabel() {
    return ui::AsText(h.ui().GetCtrlAttribute(panel(), PANEL_BARRA, ui::ATTR_LABEL_TEXT));
  }
  bool TimerOn() { return ui::AsInt(h.ui().GetCtrlAttribute(panel(), PANEL_TIMER, ui::ATTR_ENABLED)) != 0; }
  int Count(const std::string& request) {
    int n = 0;
    for (const auto& r : h.power().Requests()) n += r == request;
    return n;
  }
};

TEST_F(QueueControlTest, StoppedJobsRunBeforePendingOnesInSlotOrder) {
  Put(0, test::BlurayJob(), JobPending);
  Put(3, test::BlurayJob(), JobStopped);
  Put(7, test::BlurayJob(), JobStopped);
  Click(PANEL_GO);
  EndRunningJob();
  EndRunningJob();
  EndRunningJob();
  EXPECT_EQ(armed, (std::vector<int>{3, 7, 0}));
  EXPECT_EQ(app().runningJob, -1);
}

TEST_F(QueueControlTest, StartJobsRetriesFailedJobsFirst) {
  Put(0, test::BlurayJob(), JobPending);
  Put(5, test::BlurayJob(), JobFailed);
  Put(6, test::BlurayJob(), JobFinished);
  EXPECT_EQ(PickNextJob(app()), 0);  // failed jobs are never picked by themselves
  Click(PANEL_GO);
  EXPECT_EQ(armed, (std::vector<int>{5}));
  EXPECT_EQ(State(6), JobFinished);
  EndRunningJob(JobFailed);  // the error log moves on
  EXPECT_EQ(armed, (std::vector<int>{5, 0}));
  EndRunningJob();
  EXPECT_EQ(State(5), JobFailed);  // a failure during the run is not retried in it
  EXPECT_EQ(app().runningJob, -1);
}

TEST_F(QueueControlTest, StartingAJobShowsTheRunAndKeepsTheComputerAwake) {
  Put(2, test::BlurayJob());
  app().tool.abortRequest = AbortStop;
  Click(PANEL_GO);
  EXPECT_EQ(app().runningJob, 2);
  EXPECT_EQ(app().tool.abortRequest, AbortNone);
  EXPECT_EQ(GoLabel(), "__Stop Jobs");
  EXPECT_TRUE(TimerOn());
  EXPECT_EQ(BarLabel(), "Idle");
  EXPECT_TRUE(h.power().SleepInhibited());
  EndRunningJob();
  EXPECT_EQ(GoLabel(), "__Start Jobs");
  EXPECT_FALSE(TimerOn());
  EXPECT_FALSE(h.power().SleepInhibited());
}

TEST_F(QueueControlTest, StopJobsAsksThenStopsAndKeepsTheJobStopped) {
  Put(1, test::BlurayJob());
  Put(4, test::BlurayJob());
  Click(PANEL_GO);
  StoreState(app().queue[1], JobX264Pass2);
  h.ui().SetCtrlVal(panel(), PANEL_BARRA, 420);

  Confirm(false);
  Click(PANEL_GO);
  EXPECT_EQ(app().runningJob, 1);
  EXPECT_EQ(h.ui().Popups().back().title, "CONFIRM");
  EXPECT_EQ(h.ui().Popups().back().message, "Are you sure?");

  Confirm(true);
  Click(PANEL_GO);
  EXPECT_EQ(app().runningJob, -1);
  EXPECT_EQ(app().tool.abortRequest, AbortStop);
  EXPECT_EQ(State(1), JobStopped);
  EXPECT_EQ(JobLines()[0].substr(0, 19), "[STOPPED]          ");
  EXPECT_FALSE(Dimmed(PANEL_DELETE));  // the stopped job is selected and may go
  EXPECT_EQ(armed, (std::vector<int>{1}));  // the queue does not go on
  EXPECT_EQ(GoLabel(), "__Start Jobs");
  EXPECT_FALSE(TimerOn());
  EXPECT_EQ(BarValue(), 0);
  EXPECT_EQ(BarLabel(), "Idle");
  EXPECT_FALSE(h.power().SleepInhibited());
  EXPECT_EQ(StoredJobNames(), (std::vector<std::string>{"Job_1", "Job_4"}));
}

TEST_F(QueueControlTest, CancelEndsTheJobAndTheRunThenStartJobsGoesOn) {
  Put(0, test::BlurayJob());
  Put(1, test::BlurayJob());
  Click(PANEL_CANCELAR);  // nothing runs: no question
  EXPECT_TRUE(h.ui().Popups().empty());

  Click(PANEL_GO);
  StoreState(app().queue[0], JobX264Pass1);
  Confirm(true);
  Click(PANEL_CANCELAR);
  EXPECT_EQ(State(0), JobCanceled);
  EXPECT_EQ(JobLines()[0].substr(0, 19), "[CANCELED]         ");
  EXPECT_EQ(app().tool.abortRequest, AbortCancel);
  EXPECT_EQ(app().runningJob, -1);
  EXPECT_EQ(StoredJobNames(), (std::vector<std::string>{"Job_1"}));

  Click(PANEL_GO);
  EXPECT_EQ(armed, (std::vector<int>{0, 1}));
}

TEST_F(QueueControlTest, AStopThatCrossesTheEndOfTheJobKeepsItsEnd) {
  Put(0, test::BlurayJob());
  Click(PANEL_GO);
  StoreState(app().queue[0], JobFinished);  // the pipeline got there first
  StopRunningJob(app());
  EXPECT_EQ(State(0), JobFinished);
}

TEST_F(QueueControlTest, PowerOffComesExactlyWhenTheLastJobEnds) {
  app().switches.shutdownWhenDone = 1;
  Put(0, test::BlurayJob());
  Put(1, test::BlurayJob(), JobStopped);
  Put(2, test::BlurayJob(), JobFailed);
  Click(PANEL_GO);  // retries slot 2 too
  EndRunningJob();
  EndRunningJob(JobFailed);
  EXPECT_EQ(Count("poweroff"), 0);
  EndRunningJob();
  EXPECT_EQ(Count("poweroff"), 1);
  EXPECT_EQ(h.power().Requests().back(), "poweroff");
  EXPECT_EQ(h.power().Requests()[h.power().Requests().size() - 2], "release");
}

TEST_F(QueueControlTest, NoPowerOffWhenStoppedCancelledOrNotAsked) {
  app().switches.shutdownWhenDone = 1;
  Put(0, test::BlurayJob());
  Put(1, test::BlurayJob());
  Click(PANEL_GO);
  StopRunningJob(app());
  Click(PANEL_GO);
  CancelRunningJob(app());
  EXPECT_EQ(Count("poweroff"), 0);

  app().switches.shutdownWhenDone = 0;
  Click(PANEL_GO);
  EndRunningJob();
  EXPECT_EQ(app().runningJob, -1);
  EXPECT_EQ(Count("poweroff"), 0);
}

}  // namespace
