#include "scanner/scan_control.h"

namespace scanner {

ScanControl::~ScanControl() { Retire(); }

void ScanControl::Retire() {
  if (run) {
    run->RequestStop();
    run->current = false;
  }
  if (worker_.joinable()) worker_.join();
  StopTick();
}

void ScanControl::Start(std::shared_ptr<ScanRun> newRun, std::function<void()> work) {
  if (worker_.joinable()) worker_.join();  // retired already: it has ended or is ending
  run = std::move(newRun);
  worker_ = std::thread(std::move(work));
}

void ScanControl::StopTick() {
  if (timer != 0) ui_.DiscardTimer(timer);
  timer = 0;
}

}  // namespace scanner
