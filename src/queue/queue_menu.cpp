#include "queue/queue_menu.h"

#include "queue/queue_rules.h"
#include "queue/queue_selection.h"
#include "shell/app.h"
#include "uir_ids.h"

namespace {

void EnableItem(App& app, int menuBar, int item, bool enabled) {
  app.ui.SetMenuBarAttribute(menuBar, item, ui::ATTR_DIMMED, enabled ? 0 : 1);
}

}  // namespace

void ShowQueueMenu(App& app, int top, int left) {
  const int slot = SelectedSlot(app);
  if (slot < 0) return;
  const int menuBar = app.ui.LoadMenuBar(app.mainPanel, MENUL);
  if (menuBar < 0) return;
  const int32_t state = LoadState(app.queue[slot]);
  const bool finished = state == JobFinished;
  EnableItem(app, menuBar, MENUL_POPUP_UP, CanMoveUp(app, slot));
  EnableItem(app, menuBar, MENUL_POPUP_DOWN, CanMoveDown(app, slot));
  EnableItem(app, menuBar, MENUL_POPUP_DEL, CanRemove(app, slot));
  EnableItem(app, menuBar, MENUL_POPUP_REMOVE, finished && CanRemove(app, slot));
  EnableItem(app, menuBar, MENUL_POPUP_OPENS, true);
  EnableItem(app, menuBar, MENUL_POPUP_OPEN, finished);
  EnableItem(app, menuBar, MENUL_POPUP_ERROR, state == JobFailed);
  app.ui.RunPopupMenu(menuBar, MENUL_POPUP, app.mainPanel, top, left);
  app.ui.DiscardMenuBar(menuBar);
}
