#include "median_reporter.h"

namespace bench {

void MedianReporter::ReportRuns(const std::vector<Run>& reports) {
  ConsoleReporter::ReportRuns(reports);
  for (const Run& run : reports)
    if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median" &&
        run.aggregate_unit == benchmark::kTime && run.time_unit == benchmark::kMillisecond)
      medians_[run.run_name.function_name] = run.GetAdjustedRealTime();
}

double MedianReporter::MedianMs(const std::string& name) const {
  auto it = medians_.find(name);
  return it == medians_.end() ? 0 : it->second;
}

}  // namespace bench
