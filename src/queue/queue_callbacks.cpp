#include "queue/queue_callbacks.h"

#include "ui/no_op.h"

// Bound to nothing until the feature is built.
void BindQueueCallbacks(App&, ui::CallbackTable& table) {
  table.Bind("CallGo", ui::NoOpControl());
  table.Bind("CallCancelJob", ui::NoOpControl());
  table.Bind("CallClear", ui::NoOpControl());
  table.Bind("CallSelectCola", ui::NoOpControl());
  table.Bind("CallUpJob", ui::NoOpControl());
  table.Bind("CallDownJob", ui::NoOpControl());
  table.Bind("CallDeleteJob", ui::NoOpControl());
  table.BindMenu("CallMenuUP", ui::NoOpMenu());
  table.BindMenu("CallMenuDOWN", ui::NoOpMenu());
  table.BindMenu("MenuDELETE", ui::NoOpMenu());
  table.BindMenu("MenuRemoveDelete", ui::NoOpMenu());
  table.BindMenu("MenuOPENSOURCE", ui::NoOpMenu());
  table.BindMenu("MenuOPEN", ui::NoOpMenu());
  table.BindMenu("MenuERROR", ui::NoOpMenu());
}
