#pragma once
// The steps of one job in their order, each skipped when its result
// exists, so that a stopped job resumes with the step it was stopped in.

struct App;

// Runs the job at `runningJob`; at its end starts the next one (done or
// failed) or leaves the queue stopped (stop, cancel).
void RunRunningJob(App& app);
