#pragma once
// One scan: what the dialog fixed before the worker started, what the
// worker and the tick share while it runs, and the results the worker
// leaves. The dialog, the worker and posted calls share it by shared_ptr,
// so none of them outlives it.

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "scanner/scan_counters.h"

namespace scanner {

// scanState values.
enum ScanState : int {
  kScanRunning = 0,
  kScanStopped = 1,     // ended, or asked to stop
  kScanSyncError = 2,   // ended after a packet without its sync byte
  kScanUnreadable = 3,  // a file could not be opened or read: nothing stored
};

struct ScanFile {
  std::string path;
  std::string name;  // as the progress line shows it
};

// The scanned values of each track, by slot.
struct ScanResults {
  std::array<int32_t, kTrackSlots> bitrateKbps{};
};

// The track ids the scan was started for, by slot: results go to the
// source only while it still has these tracks.
using TrackIds = std::array<int32_t, kTrackSlots>;

struct ScanRun {
  ScanRun() = default;
  ScanRun(const ScanRun&) = delete;
  ScanRun& operator=(const ScanRun&) = delete;
  ~ScanRun();

  // Fixed before the worker starts.
  std::vector<ScanFile> files;
  int openFile = -1;  // a single file, opened while sizing; the worker reads and closes it
  PidTable pids;
  TrackIds trackIds{};
  double durationMs = 0;  // of the first video track

  // Shared while the worker runs.
  std::atomic<int> scanState{kScanRunning};
  std::atomic<int> currentFile{0};
  ScanCounters counters;

  // Written by the worker as its last step, before it posts them.
  ScanResults results;

  // User-interface thread only: false once a newer scan or the program's
  // end has replaced this one, so its late results are dropped.
  bool current = true;

  const std::string& CurrentFileName() const;
  // A stop request: only a running scan becomes stopped, so an end the
  // worker already reached is not hidden.
  void RequestStop();
};

}  // namespace scanner
