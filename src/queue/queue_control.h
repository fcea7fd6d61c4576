#pragma once
// Starting, stopping and cancelling the queue run, and picking the next job.

struct App;

// The first stopped job, else the first pending one, else -1.
int PickNextJob(const App& app);
// Picks and starts the next job, or ends the queue run when none is left.
void StartNextJob(App& app);
// "Start Jobs": failed jobs are tried again, then the next job starts.
void StartJobs(App& app);
// The running job back to stopped: its tool ends, the queue is saved.
void StopRunningJob(App& app);
// The store refused the running job's new state: the job stops as by Stop
// Jobs, without another save (the state the store holds resumes it the
// same way).
void HaltRunningJob(App& app);
// The running job cancelled: as a stop, and its temporary files go.
void CancelRunningJob(App& app);
// Progress bar at 0 labelled "Idle", empty status line.
void ResetStatusDisplay(App& app);
