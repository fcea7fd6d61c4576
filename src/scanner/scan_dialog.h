#pragma once
// The "Scan Bitrates" dialog: sizes the source, starts the worker, shows
// its progress once a second, and lets the user stop it or close.

#include <memory>

#include "scanner/scan_run.h"

struct App;

namespace scanner {

// Opens the dialog and starts the scan of the source in the main window.
// A file that cannot be read is reported and nothing starts.
void OpenScanDialog(App& app);

// Shows the dialog and starts the tick and the worker for a run whose files
// are sized: OpenScanDialog's last step, after the counters were reset.
void StartScan(App& app, std::shared_ptr<ScanRun> run);

// "Cancel Scan": the worker stops after its next read and stores what it
// counted; the dialog stays open and the next tick ends.
void CancelScan(App& app);

// "Close": a stop request, and the dialog goes; a running worker still
// stores its results when it ends.
void CloseScan(App& app);

}  // namespace scanner

using scanner::OpenScanDialog;
