#include "queue/queue_buttons.h"

#include "queue/queue_rules.h"
#include "queue/queue_selection.h"
#include "shell/app.h"
#include "uir_ids.h"

namespace {

void Enable(App& app, int control, bool enabled) {
  app.ui.SetCtrlAttribute(app.mainPanel, control, ui::ATTR_DIMMED, enabled ? 0 : 1);
}

}  // namespace

void UpdateQueueButtons(App& app) {
  // With no job selected (an empty queue) all three are dimmed.
  const int slot = SelectedSlot(app);
  Enable(app, PANEL_DELETE, CanRemove(app, slot));
  Enable(app, PANEL_UP, CanMoveUp(app, slot));
  Enable(app, PANEL_DOWN, CanMoveDown(app, slot));
}
