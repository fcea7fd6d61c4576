#pragma once
// The scan dialog's tick, once a second on the user-interface thread:
// progress, the live list, the forced-track classification, and the end.

#include <memory>

#include "scanner/scan_run.h"

struct App;

namespace scanner {

void ScanTimerProc(App& app, std::shared_ptr<ScanRun> run);

}  // namespace scanner
