#include "queue/queue_control.h"

#include "engine/tool_runner.h"
#include "queue/queue_display.h"
#include "queue/queue_store.h"
#include "shell/app.h"
#include "uir_ids.h"

namespace {

int FirstInState(const App& app, int32_t state) {
  for (int slot = 0; slot < kQueueSlots; ++slot)
    if (LoadState(app.queue[slot]) == state) return slot;
  return -1;
}

void ShowQueueRunning(App& app, bool running) {
  app.ui.SetCtrlAttribute(app.mainPanel, PANEL_TIMER, ui::ATTR_ENABLED, running ? 1 : 0);
  app.ui.SetCtrlAttribute(app.mainPanel, PANEL_GO, ui::ATTR_LABEL_TEXT,
                          running ? "__Stop Jobs" : "__Start Jobs");
}

// The pipeline may end the job on its own at the same moment: a job that
// already reached its end (finished, cancelled, failed) keeps that end.
void EndJobState(Job& job, int32_t to) {
  std::atomic_ref<int32_t> state(job.state);
  int32_t now = state.load();
  while (!IsCompletedState(now) && now != JobFailed && !state.compare_exchange_weak(now, to)) {
  }
}

// Stop and cancel: the tool ends, the job takes its new state and the
// queue goes idle; the pipeline sees the request when its wait ends.
void EndRunningJob(App& app, AbortRequest abort, int32_t to, bool save = true) {
  app.tool.abortRequest = abort;
  TerminateRunningTool(app);
  // The queue is idle before the redraw, so the job's buttons follow its
  // new state at once.
  const int slot = app.runningJob.exchange(-1);
  if (slot >= 0) {
    EndJobState(app.queue[slot], to);
    RedrawQueue(app);
    if (save) SaveQueue(app);
  }
  ShowQueueRunning(app, false);
  ResetStatusDisplay(app);
  app.power.ReleaseSleep();
}

}  // namespace

int PickNextJob(const App& app) {
  const int stopped = FirstInState(app, JobStopped);
  return stopped >= 0 ? stopped : FirstInState(app, JobPending);
}

void StartNextJob(App& app) {
  app.tool.abortRequest = AbortNone;
  const int next = PickNextJob(app);
  app.runningJob = next;
  if (next == -1) {
    ShowQueueRunning(app, false);
    app.power.ReleaseSleep();
    if (app.switches.shutdownWhenDone) app.power.PowerOff();
    return;
  }
  ResetStatusDisplay(app);
  ShowQueueRunning(app, true);
  app.runJob(app);
  app.power.InhibitSleep();
}

void StartJobs(App& app) {
  for (Job& job : app.queue)
    if (LoadState(job) == JobFailed) StoreState(job, JobStopped);
  RedrawQueue(app);
  StartNextJob(app);
}

void StopRunningJob(App& app) { EndRunningJob(app, AbortStop, JobStopped); }

void HaltRunningJob(App& app) { EndRunningJob(app, AbortStop, JobStopped, false); }

void CancelRunningJob(App& app) { EndRunningJob(app, AbortCancel, JobCanceled); }

void ResetStatusDisplay(App& app) {
  app.ui.SetCtrlVal(app.mainPanel, PANEL_BARRA, 0);
  app.ui.SetCtrlAttribute(app.mainPanel, PANEL_BARRA, ui::ATTR_LABEL_TEXT, "Idle");
  app.ui.SetCtrlVal(app.mainPanel, PANEL_ESTAT, "");
}
