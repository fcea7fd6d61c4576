#pragma once
// The text of a job in the queue tree: its line and the detail lines below.

#include <string>
#include <vector>

#include "queue/job.h"

// The state's label, 19 characters so that the output paths line up;
// empty for a free slot.
std::string StateLabel(int32_t state);

// Label, output path and a summary of the target.
std::string JobLine(const Job& job);

// Source, joined parts (only for a joined playlist), video, target video,
// audio, target audio, subtitle.
std::vector<std::string> DetailLines(const Job& job);
