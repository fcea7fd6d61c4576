#pragma once
// The clip's stream attributes (format, rate, language) from what ffprobe
// saw of the planned tracks.

#include "bdnav/m2ts_scan.h"
#include "bdnav/nav_types.h"
#include "mux_plan.h"

namespace tsmuxer {

uint8_t videoFormatCode(const ProbedStream& s);
uint8_t frameRateCode(const ProbedStream& s);
uint8_t audioFormatCode(int channels);
uint8_t sampleRateCode(int sampleRate);

// One bdnav::Stream per listable stream of the scan, described by the
// planned track of the same PID.
std::vector<bdnav::Stream> clipStreams(const bdnav::M2tsScan& scan, const MuxPlan& plan);

}  // namespace tsmuxer
