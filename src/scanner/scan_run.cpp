#include "scanner/scan_run.h"

#include <unistd.h>

namespace scanner {

ScanRun::~ScanRun() {
  if (openFile >= 0) close(openFile);
}

const std::string& ScanRun::CurrentFileName() const {
  static const std::string none;
  const int index = currentFile.load(std::memory_order_relaxed);
  return index >= 0 && index < static_cast<int>(files.size()) ? files[index].name : none;
}

void ScanRun::RequestStop() {
  int running = kScanRunning;
  scanState.compare_exchange_strong(running, kScanStopped);
}

}  // namespace scanner
