#include "scanner/scan_dialog.h"

#include "shell/app.h"
#include "uir_ids.h"

void scanner::OpenScanDialog(App& app) { app.ui.InstallPopup(app.ui.LoadPanel(app.mainPanel, PAN_SCAN)); }
