#pragma once
// The values every x264 command line of a job is built from.

#include <string>

#include "queue/job.h"

struct App;

struct Vbv {
  int bufferSize;
  int maxRate;
};

// The 64-bit build for 2D jobs on a 64-bit system; 3D goes through the
// 32-bit build, whose plug-ins it loads.
std::string X264Executable(const App& app, const Job& job);
// Disc media (DVD, memory stick, small custom sizes) get the tighter buffer.
Vbv VbvFor(const Job& job);
// 24, 25, 30, 50 or 60 from the decimal frame rate.
int GopLength(const Job& job);

std::string TuneOption(const Job& job);
std::string WeightpOption(const App& app);
std::string DemuxerOption(const Job& job);
