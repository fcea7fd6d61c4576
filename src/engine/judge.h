#pragma once
// How the pipeline ends a step that did not go well.

#include <functional>

struct JobRun;
struct ToolRun;

// When a stop or cancel is pending: the job keeps the state queue control
// gave it (stopped or cancelled), a cancel removes the job's temporary
// files, and true says the run must end.
bool EndIfAborted(JobRun& run);

// True when the tool run is ok (exit code 0, no abort). Otherwise
// `cleanUp` removes what the tool left (when it started at all), a cancel
// removes the job's temporary files, and a failure goes to the error log,
// which marks the job failed and moves the queue on; the run then ends.
bool JudgeRun(JobRun& run, const ToolRun& tool, const std::function<void()>& cleanUp);
