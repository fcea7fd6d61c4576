#pragma once
// The demux step: one eac3to run that pulls every stream a later step
// needs out of the source into a file of its own.

#include <string>
#include <vector>

#include "engine/demux_labels.h"

struct App;
struct JobRun;

struct DemuxPlan {
  DemuxParts parts;                // streams whose files are still missing
  std::vector<std::string> video;  // the files the video part writes or owns
  std::string audio;
  std::string subtitle;
  std::string commandLine;  // empty when nothing is left to extract
  std::string label;
};

DemuxPlan PlanDemux(const App& app, const JobRun& run);

// Runs the step when the job needs it; false when the run must end.
bool RunDemuxStep(JobRun& run);
