#pragma once
// Stands in for the desktop's "open": remembers what the program opened.

#include <mutex>
#include <string>
#include <vector>

#include "platform/shell_open.h"

namespace test {

class RecordingOpener : public platform::ShellOpener {
 public:
  void Open(const std::string& target) override {
    std::lock_guard<std::mutex> lock(mutex_);
    opened_.push_back(target);
  }
  std::vector<std::string> Opened() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return opened_;
  }

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> opened_;
};

}  // namespace test
