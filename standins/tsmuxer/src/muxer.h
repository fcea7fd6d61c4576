#pragma once
// tsMuxeR <file.meta> <output folder>: checks the inputs, muxes the streams
// into BDMV/STREAM/00000.m2ts with ffmpeg and writes the AVCHD navigation.

#include <string>

#include "console.h"

namespace tsmuxer {

// Exit codes: 0 success; 254 an input (or the control file) cannot be
// opened, nothing created; 1 any other failure.
constexpr int kExitOk = 0;
constexpr int kExitCantOpen = 254;
constexpr int kExitFailed = 1;

int runMuxer(const std::string& metaPath, const std::string& outputFolder, Console& console);

}  // namespace tsmuxer
