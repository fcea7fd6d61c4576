#pragma once
// The "Scan Bitrates" dialog. Placeholder until the scanner lands: it only
// shows the dialog; the scanner's own file replaces this one.

struct App;

namespace scanner {

// Opens the dialog and starts the scan of the source in the main window.
void OpenScanDialog(App& app);

}  // namespace scanner

using scanner::OpenScanDialog;
