#pragma once
// Stands in for the system's power service: remembers every request, in
// order, and whether the stay-awake lock is held.

#include <mutex>
#include <string>
#include <vector>

#include "platform/power.h"

namespace test {

class RecordingPower : public platform::Power {
 public:
  void InhibitSleep() override { Note("inhibit", true); }
  void ReleaseSleep() override { Note("release", false); }
  void PowerOff() override { Note("poweroff", held_); }

  std::vector<std::string> Requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
  }
  bool SleepInhibited() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return held_;
  }

 private:
  void Note(const std::string& request, bool held) {
    std::lock_guard<std::mutex> lock(mutex_);
    requests_.push_back(request);
    held_ = held;
  }

  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  bool held_ = false;
};

}  // namespace test
