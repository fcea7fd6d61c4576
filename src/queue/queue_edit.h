#pragma once
// The user's changes to the queue: removing, clearing and moving jobs.

struct App;

// Removes the selected job. Finished and cancelled jobs go at once;
// pending, stopped and failed ones (after a question when `ask` is set)
// with their temporary files. The running job is never removed.
void RemoveJob(App& app, bool ask);

// Frees every finished and cancelled slot.
void ClearCompleted(App& app);

// Swap the selected job with the slot above or below it, when the move
// rules allow it, and keep it selected.
void MoveJobUp(App& app);
void MoveJobDown(App& app);
