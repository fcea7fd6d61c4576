#include "shell/exit_request.h"

#include "queue/queue_control.h"
#include "shell/app.h"
#include "shell/product.h"

namespace {

void CloseMainWindow(App& app) {
  app.ui.DiscardPanel(app.mainPanel);
  app.ui.QuitUserInterface(0);
}

}  // namespace

void RequestExit(App& app) {
  if (app.runningJob != -1) {
    if (!app.ui.ConfirmPopup(kProductName, "If you exit now will stop the current job.\n\nAre you sure?")) return;
    StopRunningJob(app);
  }
  CloseMainWindow(app);
}

void EndSession(App& app) {
  if (app.runningJob != -1) StopRunningJob(app);
  CloseMainWindow(app);
}
