#include "engine/job_run.h"

#include <atomic>

#include "platform/fixed_text.h"
#include "queue/queue_display.h"
#include "queue/queue_store.h"
#include "shell/app.h"

JobRun::JobRun(App& a, int s)
    : app(a), slot(s), job(a.queue[s]), files(platform::FixedText(a.settings.TempPath), a.queue[s], s),
      state(LoadState(a.queue[s])) {}

bool AdvanceState(JobRun& run, int32_t next) {
  int32_t expected = run.state;
  if (!std::atomic_ref<int32_t>(run.job.state).compare_exchange_strong(expected, next)) return false;
  run.state = next;
  RedrawQueue(run.app);
  SaveQueue(run.app);
  return true;
}
