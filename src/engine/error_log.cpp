#include "engine/error_log.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "engine/job_run.h"
#include "engine/tool_runner.h"
#include "platform/fixed_text.h"
#include "queue/queue_control.h"
#include "shell/app.h"

std::string ErrorLogEntry(const std::tm& when, const std::string& commandLine, int exitCode) {
  char stamp[80];
  std::snprintf(stamp, sizeof stamp, "-[%02d/%02d/%04d - %02d:%02d:%02d]", when.tm_mday, when.tm_mon + 1,
                when.tm_year + 1900, when.tm_hour, when.tm_min, when.tm_sec);
  return stamp + std::string(80, '-') + "\n  LAST CMD LINE => " + commandLine +
         "\n  EXIT CODE     => " + std::to_string(exitCode) + "\n" + std::string(104, '-') + "\n\n";
}

void FailJob(JobRun& run, const std::string& commandLine, int exitCode) {
  App& app = run.app;
  AdvanceState(run, JobFailed);
  ResetStatusDisplay(app);
  const auto path = std::filesystem::path(platform::FixedText(app.settings.TempPath)) / "error_log.txt";
  if (std::ofstream log(path, std::ios::app | std::ios::binary); log) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    log << ErrorLogEntry(local, commandLine, exitCode);
  }
  // A job halted because the store refused its state halts the queue.
  if (PendingAbort(app) == AbortNone) StartNextJob(app);
}
