#include "shell/callbacks.h"

#include "engine/progress_callbacks.h"
#include "planning/target_callbacks.h"
#include "queue/composition_callbacks.h"
#include "queue/queue_callbacks.h"
#include "scanner/scan_callbacks.h"
#include "shell/exit_callbacks.h"
#include "shell/preferences_callbacks.h"
#include "source/source_callbacks.h"

ui::CallbackTable BindAllCallbacks(App& app) {
  ui::CallbackTable table;
  BindExitCallbacks(app, table);
  BindPreferencesCallbacks(app, table);
  BindQueueCallbacks(app, table);
  BindCompositionCallbacks(app, table);
  BindProgressCallbacks(app, table);
  BindSourceCallbacks(app, table);
  BindTargetCallbacks(app, table);
  BindScanCallbacks(app, table);
  return table;
}
