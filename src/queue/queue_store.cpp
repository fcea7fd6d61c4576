#include "queue/queue_store.h"

// Filled by the queue work; until then the queue is neither kept nor restored.
void SaveQueue(App&) {}
void LoadQueue(App&) {}
