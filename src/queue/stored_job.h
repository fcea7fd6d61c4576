#pragma once
// A job read back from the store is outside data: it may have been cut
// short, damaged or written by another program.

#include "queue/job.h"

// True for the states the job table knows (4 is not one of them).
bool IsKnownState(int32_t state);

// Makes a loaded record safe to use: a free or unknown state empties the
// slot, a running state becomes stopped (nothing runs at start-up), and
// every text field ends inside its capacity.
void NormaliseStoredJob(Job& job);
