#pragma once
// The console report, keeping each benchmark's median wall time so that
// the ratios between them can be printed at the end.

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace bench {

class MedianReporter : public benchmark::ConsoleReporter {
 public:
  MedianReporter() : ConsoleReporter(OO_None) {}  // plain text: the report is often kept in a file
  void ReportRuns(const std::vector<Run>& reports) override;

  // Median milliseconds of a benchmark by its name; 0 when it did not run.
  double MedianMs(const std::string& name) const;

 private:
  std::map<std::string, double> medians_;
};

}  // namespace bench
