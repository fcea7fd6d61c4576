#include "scanner/scan_callbacks.h"

#include "scanner/scan_dialog.h"

namespace {

// Buttons act on the commit event only.
ui::CtrlCallback OnCommit(App& app, void (*action)(App&)) {
  return [&app, action](int, int, int event, void*, int, int) {
    if (event == ui::EVENT_COMMIT) action(app);
    return 0;
  };
}

}  // namespace

void BindScanCallbacks(App& app, ui::CallbackTable& table) {
  table.Bind("CallScanBitrates", OnCommit(app, scanner::OpenScanDialog));
  table.Bind("CallCancelScan", OnCommit(app, scanner::CancelScan));
  table.Bind("CallCloseScan", OnCommit(app, scanner::CloseScan));
}
