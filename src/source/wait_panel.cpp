#include "source/wait_panel.h"

#include "shell/app.h"
#include "uir_ids.h"

int ShowWaitPanel(App& app) {
  const int panel = app.ui.LoadPanel(app.mainPanel, PANEL_WAIT);
  if (panel > 0) app.ui.InstallPopup(panel);
  return panel;
}

void HideWaitPanel(App& app, int waitPanel) {
  if (waitPanel > 0) app.ui.DiscardPanel(waitPanel);
}
