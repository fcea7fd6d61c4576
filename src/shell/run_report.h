#pragma once
// A queue run told on a stream, for people and for logs: a line when a job
// starts (its slot, output and steps), one per step with the step's label,
// a progress line at most once a second while a tool runs, a line when the
// job ends with its state and wall time, and a summary. On a terminal the
// progress line rewrites itself in place; in a file every line stays.

#include <array>
#include <chrono>
#include <mutex>
#include <ostream>
#include <string>

#include "queue/job.h"

struct App;

class RunReport {
 public:
  using Clock = std::chrono::steady_clock;

  RunReport(App& app, std::ostream& out, bool terminal);

  // Looks at the queue and the progress controls and tells what changed
  // since the last look. Safe from any thread.
  void Update();
  void Summary();

  int finished() const { return finished_; }
  int failed() const { return failed_; }
  int stopped() const { return stopped_; }

 private:
  void JobStates(Clock::time_point now);
  void StepAndProgress(Clock::time_point now);
  void Line(const std::string& text);
  void ProgressLine(const std::string& text);

  App& app_;
  std::ostream& out_;
  const bool terminal_;
  std::mutex mutex_;
  std::array<int32_t, kQueueSlots> states_{};
  std::array<Clock::time_point, kQueueSlots> started_{};
  int slot_ = -1;
  std::string label_;
  Clock::time_point lastProgress_{};
  bool progressShown_ = false;
  int finished_ = 0, failed_ = 0, stopped_ = 0;
};

// "1:02:03" for a duration.
std::string WallTime(std::chrono::steady_clock::duration elapsed);
// The steps a job goes through: "demux, x264 pass 1, x264 pass 2, tsMuxeR".
std::string JobSteps(const Job& job);
// "X264 PASS 1" from the state's label "[X264 PASS 1]      ".
std::string StepName(int32_t state);
// "eta 0:12:10" out of a tool's status line, or empty.
std::string EtaOf(const std::string& status);
