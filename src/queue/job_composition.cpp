#include "queue/job_composition.h"

#include <cstring>

#include "queue/job_composer.h"
#include "queue/queue_display.h"
#include "queue/queue_store.h"
#include "shell/app.h"
#include "source/load_source.h"
#include "uir_ids.h"

namespace {

void Commit(App& app, int slot, const Job& job) {
  app.queue[slot] = job;
  StoreState(app.queue[slot], JobPending);
  RedrawQueue(app);
  ClearSource(app);
  app.ui.SetActiveCtrl(app.mainPanel, PANEL_GO);
  SaveQueue(app);
}

}  // namespace

int FindFreeSlot(const JobQueue& queue) {
  for (int slot = 0; slot < kQueueSlots; ++slot)
    if (LoadState(queue[slot]) == JobFree) return slot;
  return -1;
}

void AddJob(App& app) {
  const int slot = FindFreeSlot(app.queue);
  if (slot < 0) {
    app.ui.MessagePopup("JOB CAN NOT BE ADDED",
                        "The queue is full.\n\nWait to complete some job or clean the completed jobs.");
    return;
  }
  // A free slot is all zero bytes; it stays so until the job is complete.
  std::memset(static_cast<void*>(&app.queue[slot]), 0, sizeof(Job));
  JobComposer composer(app);
  if (composer.Compose()) Commit(app, slot, composer.job());
}
