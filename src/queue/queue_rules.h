#pragma once
// What the user may do with a job of the queue. The job that runs (the
// one at `runningJob`, even before its first step changes its state) is
// never removed or moved: the pipeline knows it by its slot.

struct App;

// Remove and the Remove button: pending, stopped, finished, cancelled or
// failed jobs.
bool CanRemove(const App& app, int slot);

// Up: a pending, stopped or failed job below a free slot or a job that is
// not running.
bool CanMoveUp(const App& app, int slot);

// Down: a pending, stopped or failed job above a job that is not running;
// a free slot below does not allow it.
bool CanMoveDown(const App& app, int slot);
