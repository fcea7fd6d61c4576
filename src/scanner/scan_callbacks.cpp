#include "scanner/scan_callbacks.h"

#include "ui/no_op.h"

// Bound to nothing until the feature is built.
void BindScanCallbacks(App&, ui::CallbackTable& table) {
  table.Bind("CallScanBitrates", ui::NoOpControl());
  table.Bind("CallCancelScan", ui::NoOpControl());
  table.Bind("CallCloseScan", ui::NoOpControl());
}
