#include "engine/judge.h"

#include <atomic>

#include "engine/error_log.h"
#include "engine/job_run.h"
#include "engine/temp_files.h"
#include "engine/tool_runner.h"
#include "queue/queue_display.h"
#include "queue/queue_store.h"
#include "shell/app.h"

namespace {

// Queue control sets the state itself; this settles the case where the
// run had just given the job a new running state over it.
void SettleAbortedState(JobRun& run, int abort) {
  int32_t expected = run.state;
  const int32_t settled = abort == AbortCancel ? JobCanceled : JobStopped;
  if (!IsRunningState(expected)) return;
  if (!std::atomic_ref<int32_t>(run.job.state).compare_exchange_strong(expected, settled)) return;
  run.state = settled;
  RedrawQueue(run.app);
  SaveQueue(run.app);
}

}  // namespace

bool EndIfAborted(JobRun& run) {
  const int abort = PendingAbort(run.app);
  if (abort == AbortNone) return false;
  SettleAbortedState(run, abort);
  if (abort == AbortCancel) BorraTemporals(run.app, run.slot, 0);
  return true;
}

bool JudgeRun(JobRun& run, const ToolRun& tool, const std::function<void()>& cleanUp) {
  if (tool.Ok()) return true;
  if (tool.started) cleanUp();
  if (EndIfAborted(run)) return false;
  FailJob(run, tool.commandLine, tool.exitCode);
  return false;
}
