#include "progress.h"

#include <algorithm>
#include <cstdio>

namespace eac3to {

void ProgressReporter::Report(int pass, double fraction) {
  const double done = (pass + std::clamp(fraction, 0.0, 1.0)) / passes_;
  // 100% is kept for Finish(), once every pass is over.
  Print(std::min(99, static_cast<int>(done * 100)));
}

void ProgressReporter::Print(int percent) {
  if (!enabled_ || percent <= shown_) return;
  shown_ = percent;
  std::printf("process: %d%%\n", percent);
  std::fflush(stdout);
}

}  // namespace eac3to
