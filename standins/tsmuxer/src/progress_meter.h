#pragma once
// Turns ffmpeg's "-progress" key=value lines into tsMuxeR's "NN.N% complete"
// lines. The share done is the output time over the longest input duration,
// or, when no input knows its duration (raw streams), the bytes written
// over the bytes of the inputs.

#include <cstdint>
#include <functional>
#include <string>

namespace tsmuxer {

std::string progressLine(double percent);  // "12.5% complete"

class ProgressMeter {
 public:
  ProgressMeter(double totalSeconds, uint64_t inputBytes, std::function<void(const std::string&)> print);
  void onLine(const std::string& line);
  void finish();  // the closing "100.0% complete"

 private:
  void report(double share);
  double totalSeconds_;
  uint64_t inputBytes_;
  std::function<void(const std::string&)> print_;
  int lastTenths_ = -1;
};

}  // namespace tsmuxer
