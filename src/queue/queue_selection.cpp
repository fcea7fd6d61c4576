#include "queue/queue_selection.h"

#include "shell/app.h"
#include "uir_ids.h"

int SelectedSlot(App& app) {
  if (app.ui.GetNumListItems(app.mainPanel, PANEL_COLA2) == 0) return -1;
  if (app.ui.GetCtrlIndex(app.mainPanel, PANEL_COLA2) < 0) return -1;
  const int slot = ui::AsInt(app.ui.GetCtrlVal(app.mainPanel, PANEL_COLA2));
  return slot >= 0 && slot < kQueueSlots ? slot : -1;
}

void SelectSlot(App& app, int slot) { app.ui.SetCtrlVal(app.mainPanel, PANEL_COLA2, slot); }
