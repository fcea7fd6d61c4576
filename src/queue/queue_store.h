#pragma once
// The queue kept in the store, one binary value "Job_%d" per stored slot.

#include "queue/job.h"

struct App;

// Writes the whole queue in one transaction; false when the store did
// not take it (its LastError says why). A store that could not be opened
// at start (the user was told) keeps the queue in memory only: true.
bool StoreQueue(App& app);
// StoreQueue, and a failure told to the user.
bool SaveQueue(App& app);
void LoadQueue(App& app);
// A copy of one slot that is safe while the pipeline writes the running
// job: the state word read whole, the rest under App::records.
Job SnapshotJob(const App& app, int slot);
