#pragma once
// The progress-bar label of the demux step: what this eac3to run extracts.

#include <string>

#include "queue/job.h"

// Which parts the run carries (each a stream whose file is still missing).
struct DemuxParts {
  bool video = false;
  bool audio = false;
  bool subtitle = false;
};

// "[STEP 1/<m> - EAC3TO PROCESS] ..." for the job and the parts.
std::string DemuxLabel(const Job& job, const DemuxParts& parts);
