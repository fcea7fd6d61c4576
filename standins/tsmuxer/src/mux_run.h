#pragma once

#include <string>

#include "console.h"
#include "mux_plan.h"

namespace tsmuxer {

// Creates <output>/BDMV/STREAM and muxes the plan into 00000.m2ts there,
// printing a note per stream and the progress lines. Returns an error
// message, empty on success.
std::string muxStreams(const MuxPlan& plan, const std::string& outputFolder, Console& console);

}  // namespace tsmuxer
