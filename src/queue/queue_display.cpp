#include "queue/queue_display.h"

// Filled by the queue work.
void RedrawQueue(App&) {}
