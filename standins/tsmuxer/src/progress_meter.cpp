#include "progress_meter.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace tsmuxer {

std::string progressLine(double percent) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f%% complete", percent);
  return text;
}

ProgressMeter::ProgressMeter(double totalSeconds, uint64_t inputBytes, std::function<void(const std::string&)> print)
    : totalSeconds_(totalSeconds), inputBytes_(inputBytes), print_(std::move(print)) {}

void ProgressMeter::onLine(const std::string& line) {
  const size_t eq = line.find('=');
  if (eq == std::string::npos) return;
  const std::string key = line.substr(0, eq);
  const double value = std::atof(line.c_str() + eq + 1);
  if (key == "out_time_us" && totalSeconds_ > 0) report(value / 1e6 / totalSeconds_);
  else if (key == "total_size" && totalSeconds_ <= 0 && inputBytes_ > 0) report(value / inputBytes_);
}

// Only rising values below 100 % are shown; 100 % is said once, at the end.
void ProgressMeter::report(double share) {
  const int tenths = static_cast<int>(std::clamp(share, 0.0, 0.999) * 1000);
  if (tenths <= lastTenths_) return;
  lastTenths_ = tenths;
  print_(progressLine(tenths / 10.0));
}

void ProgressMeter::finish() { print_(progressLine(100.0)); }

}  // namespace tsmuxer
