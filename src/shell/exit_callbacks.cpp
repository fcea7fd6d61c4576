#include "shell/exit_callbacks.h"

#include "shell/exit_request.h"

void BindExitCallbacks(App& app, ui::CallbackTable& table) {
  table.Bind("CallSalir", [&app](int, int, int event, void*, int, int) {
    if (event == ui::EVENT_COMMIT) RequestExit(app);
    return 0;
  });
  table.BindMenu("CallMenuExit", [&app](int, int, void*, int) { RequestExit(app); });
}
