#pragma once
// The main window with an analysed source of one video, two audio and one
// subtitle track, and the scan dialog driven as a user drives it.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "harness/app_harness.h"
#include "scanner/scan_run.h"

namespace scantest {

// Waits (up to ten seconds) until `done` holds.
bool Eventually(const std::function<bool()>& done);

class ScanFixture : public ::testing::Test {
 protected:
  ScanFixture();

  App& app() { return harness_.app(); }
  ui::memory::MemoryToolkit& ui() { return harness_.ui(); }
  std::string Path(const std::string& name) const { return harness_.dir() / name; }

  // The source path the main window shows.
  void ShowSource(const std::string& path);
  // "Scan Bitrates", "Cancel Scan", "Close".
  void PressScan();
  void PressCancel();
  void PressClose();
  // One tick of the dialog's timer, as the toolkit fires it.
  void Tick();

  // A line of the main window's track rings S_VIDEO, S_AUDIO, S_SUB.
  std::string RingItem(int ring, int index);

  int ScanPanel() { return ui().PanelHandle(PAN_SCAN); }
  std::vector<std::string> Lines();
  std::string ProgressText();
  int ProgressValue();

  // Waits until the worker has ended and posted its results, then stores
  // them as the event loop would.
  void FinishScan();
  test::AppHarness harness_;
};

}  // namespace scantest
