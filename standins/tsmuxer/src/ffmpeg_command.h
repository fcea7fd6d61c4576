#pragma once
// The ffmpeg command line that muxes a plan into one BDAV stream (192-byte
// packets) with the planned PIDs, languages and audio conversions, and
// reports progress as key=value lines on stdout.

#include <string>
#include <vector>

#include "mux_plan.h"

namespace tsmuxer {

std::vector<std::string> ffmpegArguments(const MuxPlan& plan, const std::string& output);

}  // namespace tsmuxer
