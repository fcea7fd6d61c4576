#include "queue/queue_callbacks.h"

#include "queue/job_folders.h"
#include "queue/queue_buttons.h"
#include "queue/queue_control.h"
#include "queue/queue_display.h"
#include "queue/queue_edit.h"
#include "queue/queue_menu.h"
#include "queue/source_removal.h"
#include "shell/app.h"

namespace {

// A button that acts on its commit event.
ui::CtrlCallback OnCommit(App& app, void (*action)(App&)) {
  return [&app, action](int, int, int event, void*, int, int) {
    if (event == ui::EVENT_COMMIT) action(app);
    return 0;
  };
}

ui::MenuCallback OnPick(App& app, void (*action)(App&)) {
  return [&app, action](int, int, void*, int) { action(app); };
}

bool Confirmed(App& app) { return app.ui.ConfirmPopup("CONFIRM", "Are you sure?") != 0; }

// Start Jobs retries failed jobs; Stop Jobs asks first.
void StartOrStop(App& app) {
  if (app.runningJob == -1) {
    StartJobs(app);
  } else if (Confirmed(app)) {
    StopRunningJob(app);
  }
}

void AskCancel(App& app) {
  if (app.runningJob != -1 && Confirmed(app)) CancelRunningJob(app);
}

void RemoveAsking(App& app) { RemoveJob(app, true); }
void RemoveAtOnce(App& app) { RemoveJob(app, false); }

int SelectCola(App& app, int event, int top, int left) {
  if (event == ui::EVENT_VAL_CHANGED) UpdateQueueButtons(app);
  if (event == ui::EVENT_RIGHT_CLICK) ShowQueueMenu(app, top, left);
  return 0;
}

}  // namespace

void BindQueueCallbacks(App& app, ui::CallbackTable& table) {
  table.Bind("CallGo", OnCommit(app, StartOrStop));
  table.Bind("CallCancelJob", OnCommit(app, AskCancel));
  table.Bind("CallClear", OnCommit(app, ClearCompleted));
  table.Bind("CallSelectCola", [&app](int, int, int event, void*, int top, int left) {
    return SelectCola(app, event, top, left);
  });
  table.Bind("CallUpJob", OnCommit(app, MoveJobUp));
  table.Bind("CallDownJob", OnCommit(app, MoveJobDown));
  table.Bind("CallDeleteJob", OnCommit(app, RemoveAsking));
  table.BindMenu("CallMenuUP", OnPick(app, MoveJobUp));
  table.BindMenu("CallMenuDOWN", OnPick(app, MoveJobDown));
  table.BindMenu("MenuDELETE", OnPick(app, RemoveAtOnce));
  table.BindMenu("MenuRemoveDelete", OnPick(app, RemoveJobAndSource));
  table.BindMenu("MenuOPENSOURCE", OnPick(app, OpenSourceFolder));
  table.BindMenu("MenuOPEN", OnPick(app, OpenOutputFolder));
  table.BindMenu("MenuERROR", OnPick(app, ViewErrorLog));
}
