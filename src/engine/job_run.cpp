#include "engine/job_run.h"

#include <atomic>

#include "platform/fixed_text.h"
#include "queue/queue_control.h"
#include "queue/queue_display.h"
#include "queue/queue_store.h"
#include "shell/app.h"
#include "shell/store_errors.h"

JobRun::JobRun(App& a, int s)
    : app(a), slot(s), job(a.queue[s]), files(platform::FixedText(a.settings.TempPath), a.queue[s], s),
      state(LoadState(a.queue[s])) {}

bool AdvanceState(JobRun& run, int32_t next) {
  int32_t expected = run.state;
  if (!std::atomic_ref<int32_t>(run.job.state).compare_exchange_strong(expected, next)) return false;
  run.state = next;
  RedrawQueue(run.app);
  if (StoreQueue(run.app)) return true;
  // The job goes on only when the store holds its state: a crash would
  // otherwise resume it from a state that no longer matches its files.
  TellStoreFailure(run.app, "The job was stopped: its new state could not be saved. Start Jobs resumes it.");
  HaltRunningJob(run.app);
  return false;
}

void StoreLearned(JobRun& run, const std::function<void(Job&)>& change) {
  std::lock_guard<std::mutex> lock(run.app.records);
  change(run.job);
}
