#pragma once

#include "output_plan.h"

namespace eac3to {

// Fills plan for an audio track written to a file of the given extension.
// Returns false when the extension is no audio format.
bool PlanAudio(OutputPlan& plan, const std::string& extension, bool transportStream);

// Bitrates the AC-3 format allows, in kb/s.
bool IsAc3Bitrate(int kbps);

}  // namespace eac3to
