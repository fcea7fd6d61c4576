#pragma once
// "Add to Queue": the open source and the main window's choices become a
// pending job in the first free slot of the queue.

#include "queue/job.h"

struct App;

// The lowest slot that holds no job, or -1 when the queue is full.
int FindFreeSlot(const JobQueue& queue);

// Checks, asks, fills the job and commits it: the queue is redrawn and
// saved and the source is forgotten. A refusal or a "No" adds nothing.
void AddJob(App& app);
