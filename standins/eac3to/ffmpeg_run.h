#pragma once

#include <filesystem>
#include <vector>

#include "output_plan.h"
#include "progress.h"
#include "track.h"

namespace eac3to {

struct FfmpegOutput {
  const OutputPlan* plan;
  std::filesystem::path file;  // where to write (the temporary name)
};

// The ffmpeg arguments that read the source (input) and write every output.
std::vector<std::string> FfmpegArguments(const std::string& input, bool concat,
                                         const std::vector<FfmpegOutput>& outputs);

// Runs one ffmpeg over the source writing every output, reporting progress as
// the given pass. Returns the number of frames written to the first video
// output. Throws Failure when ffmpeg fails and Stopped when we were stopped.
long RunFfmpeg(const Source& source, const std::vector<FfmpegOutput>& outputs,
               ProgressReporter& progress, int pass);

}  // namespace eac3to
