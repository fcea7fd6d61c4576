#include "queue/queue_control.h"

// Filled by the queue work; until then no job ever runs.
int PickNextJob(const App&) { return -1; }
void StartNextJob(App&) {}
void StopRunningJob(App&) {}
void CancelRunningJob(App&) {}
void ResetStatusDisplay(App&) {}
