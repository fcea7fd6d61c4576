#include "queue/queue_display.h"

#include "queue/job_lines.h"
#include "queue/queue_buttons.h"
#include "queue/queue_selection.h"
#include "queue/queue_store.h"
#include "shell/app.h"
#include "uir_ids.h"

namespace {

struct QueueFlags {
  bool completed = false;
  bool startable = false;
  bool running = false;
};

void AddJobLines(App& app, int slot) {
  const Job job = SnapshotJob(app, slot);
  const int line = app.ui.InsertTreeItem(app.mainPanel, PANEL_COLA2, ui::VAL_SIBLING, -1, ui::VAL_LAST,
                                         JobLine(job), slot);
  for (const std::string& detail : DetailLines(job))
    app.ui.InsertTreeItem(app.mainPanel, PANEL_COLA2, ui::VAL_CHILD, line, ui::VAL_LAST, detail, slot);
  app.ui.SetTreeItemAttribute(app.mainPanel, PANEL_COLA2, line, ui::ATTR_COLLAPSED, 1);
  const int32_t state = LoadState(job);
  if (state == JobFinished)
    app.ui.SetTreeItemAttribute(app.mainPanel, PANEL_COLA2, line, ui::ATTR_LABEL_COLOR, ui::VAL_DK_GREEN);
  if (state == JobFailed)
    app.ui.SetTreeItemAttribute(app.mainPanel, PANEL_COLA2, line, ui::ATTR_LABEL_COLOR, ui::VAL_RED);
}

void SetDimmed(App& app, int control, bool dimmed) {
  app.ui.SetCtrlAttribute(app.mainPanel, control, ui::ATTR_DIMMED, dimmed ? 1 : 0);
}

}  // namespace

void RedrawQueue(App& app) {
  // A redraw keeps the user's selection on the job it was on.
  const int selected = SelectedSlot(app);
  app.ui.ClearListCtrl(app.mainPanel, PANEL_COLA2);
  QueueFlags flags;
  for (int slot = 0; slot < kQueueSlots; ++slot) {
    const int32_t state = LoadState(app.queue[slot]);
    if (state == JobFree) continue;
    flags.completed |= IsCompletedState(state);
    flags.startable |= IsStartableState(state);
    flags.running |= IsRunningState(state);
    AddJobLines(app, slot);
  }
  if (selected >= 0 && LoadState(app.queue[selected]) != JobFree) SelectSlot(app, selected);
  SetDimmed(app, PANEL_CLEAR, !flags.completed);
  SetDimmed(app, PANEL_CANCELAR, !flags.running);
  SetDimmed(app, PANEL_GO, !(flags.startable || flags.running));
  UpdateQueueButtons(app);
}
