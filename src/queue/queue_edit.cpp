#include "queue/queue_edit.h"

#include <utility>

#include "engine/temp_files.h"
#include "queue/queue_buttons.h"
#include "queue/queue_display.h"
#include "queue/queue_rules.h"
#include "queue/queue_selection.h"
#include "queue/queue_store.h"
#include "shell/app.h"

namespace {

void FreeSlot(App& app, int slot) { app.queue[slot] = Job{}; }

void MoveJob(App& app, int slot, int to) {
  std::swap(app.queue[slot], app.queue[to]);
  RedrawQueue(app);
  SelectSlot(app, to);
  UpdateQueueButtons(app);
  SaveQueue(app);
}

}  // namespace

void RemoveJob(App& app, bool ask) {
  const int slot = SelectedSlot(app);
  if (!CanRemove(app, slot)) return;
  if (!IsCompletedState(LoadState(app.queue[slot]))) {
    if (ask && !app.ui.ConfirmPopup("CONFIRM",
                                    "This will remove the selected job and TEMP files.\n\nAre you sure?"))
      return;
    // The queue may have picked this job while the question was open.
    if (!CanRemove(app, slot)) return;
    BorraTemporals(app, slot, 1);
  }
  FreeSlot(app, slot);
  SaveQueue(app);
  RedrawQueue(app);
}

void ClearCompleted(App& app) {
  for (Job& job : app.queue)
    if (IsCompletedState(LoadState(job))) job = Job{};
  RedrawQueue(app);
}

void MoveJobUp(App& app) {
  const int slot = SelectedSlot(app);
  if (CanMoveUp(app, slot)) MoveJob(app, slot, slot - 1);
}

void MoveJobDown(App& app) {
  const int slot = SelectedSlot(app);
  if (CanMoveDown(app, slot)) MoveJob(app, slot, slot + 1);
}
