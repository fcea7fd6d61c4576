#pragma once
// The queue as text: each occupied slot's line as the queue window shows
// it, and with details its detail lines indented by two blanks.

#include <ostream>

#include "queue/job.h"

void ListQueue(const JobQueue& queue, bool details, std::ostream& out);
