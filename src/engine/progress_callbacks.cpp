#include "engine/progress_callbacks.h"

#include "ui/no_op.h"

// Bound to nothing until the feature is built.
void BindProgressCallbacks(App&, ui::CallbackTable& table) {
  table.Bind("CallTimerStatus", ui::NoOpControl());
}
