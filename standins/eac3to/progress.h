#pragma once

namespace eac3to {

// With "-progressnumbers", prints "process: NN%" lines on standard output
// while the work goes on, one line each time the whole percentage grows.
// The work may run in several passes; each takes an equal share.
class ProgressReporter {
 public:
  ProgressReporter(bool enabled, int passes) : enabled_(enabled), passes_(passes > 0 ? passes : 1) {}

  void Report(int pass, double fraction);  // fraction of pass (0-based) done, 0 to 1
  void Finish() { Print(100); }

 private:
  void Print(int percent);

  bool enabled_;
  int passes_;
  int shown_ = -1;
};

}  // namespace eac3to
