#include "queue/queue_rules.h"

#include "shell/app.h"

namespace {

bool IsIdleJob(int32_t state) { return IsStartableState(state) || IsCompletedState(state); }

bool IsInQueue(int slot) { return slot >= 0 && slot < kQueueSlots; }

int32_t StateAt(const App& app, int slot) { return LoadState(app.queue[slot]); }

bool IsRunningSlot(const App& app, int slot) { return app.runningJob.load() == slot; }

// Both slots of a swap must be out of the pipeline's hands.
bool MayMove(const App& app, int slot, int neighbour) {
  return IsInQueue(slot) && IsInQueue(neighbour) && IsStartableState(StateAt(app, slot)) &&
         !IsRunningSlot(app, slot) && !IsRunningSlot(app, neighbour);
}

}  // namespace

bool CanRemove(const App& app, int slot) {
  return IsInQueue(slot) && IsIdleJob(StateAt(app, slot)) && !IsRunningSlot(app, slot);
}

bool CanMoveUp(const App& app, int slot) {
  if (!MayMove(app, slot, slot - 1)) return false;
  const int32_t above = StateAt(app, slot - 1);
  return above == JobFree || IsIdleJob(above);
}

bool CanMoveDown(const App& app, int slot) {
  return MayMove(app, slot, slot + 1) && IsIdleJob(StateAt(app, slot + 1));
}
