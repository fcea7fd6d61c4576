#pragma once
// The scan as the program holds it: the newest run, its worker thread, the
// open dialog and its tick. App owns one; destroying it stops and joins
// the worker, so no worker outlives the program's state.

#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

#include "scanner/scan_run.h"
#include "ui/toolkit.h"

namespace scanner {

class ScanControl {
 public:
  explicit ScanControl(ui::Toolkit& toolkit) : ui_(toolkit) {}
  ~ScanControl();
  ScanControl(const ScanControl&) = delete;
  ScanControl& operator=(const ScanControl&) = delete;

  // Stops the newest run if it still runs, waits for its worker (which
  // then needs one more read at most) and drops its late results; stops
  // its tick. Before a new scan, and at the end.
  void Retire();

  // Runs `work` on the worker thread for `newRun`, the run from now on.
  // Call Retire first.
  void Start(std::shared_ptr<ScanRun> newRun, std::function<void()> work);

  void StopTick();

  std::shared_ptr<ScanRun> run;
  int scanPanel = 0;  // the open dialog; 0 once closed
  int timer = 0;      // the tick; 0 once stopped
  uint32_t lastTickPackets = 0;

 private:
  ui::Toolkit& ui_;
  std::thread worker_;
};

}  // namespace scanner
