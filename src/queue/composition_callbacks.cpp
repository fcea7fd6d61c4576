#include "queue/composition_callbacks.h"

#include "ui/no_op.h"

// Bound to nothing until the feature is built.
void BindCompositionCallbacks(App&, ui::CallbackTable& table) {
  table.Bind("CallAddJob", ui::NoOpControl());
}
