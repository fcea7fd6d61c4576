#pragma once
// One run of a job through its steps, on the pipeline thread. The slot is
// read once at the start: queue control may set runningJob to -1 while the
// run still cleans up after a stop.

#include <cstdint>
#include <functional>

#include "engine/job_files.h"
#include "queue/job.h"

struct App;

struct JobRun {
  JobRun(App& app, int slot);

  App& app;
  const int slot;
  Job& job;
  const JobFiles files;
  // The state this run last gave the job; the run owns the state only
  // while it still holds this value.
  int32_t state;
};

// Moves the job to `next` (refresh and save) when the state is still the
// one this run gave it; false when someone else changed it meanwhile, or
// when the store refused the new state (the job is then halted and the
// user told).
bool AdvanceState(JobRun& run, int32_t next);

// The run is the only writer of its job's record besides the state word:
// what a step learned (the frame count of a 3D film, the chapters and
// audio codec the control file settled) is written here, under the lock
// that copies of the record on other threads take.
void StoreLearned(JobRun& run, const std::function<void(Job&)>& change);
