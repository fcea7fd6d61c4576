#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "joined_stream.h"
#include "output_plan.h"
#include "progress.h"
#include "track.h"

namespace eac3to {

struct FfmpegOutput {
  const OutputPlan* plan;
  std::filesystem::path file;  // where to write (the temporary name)
};

// Where ffmpeg reads the source: a file, clips one after another
// ("concat:a|b"), or a transport stream on its standard input ("pipe:0").
// With an origin (the video's start, 90 kHz, on the input's clock) every
// output's times count from it and decoded audio is padded or cut to start
// there.
struct FfmpegInput {
  std::string file;
  bool transportStream = false;
  std::optional<std::int64_t> origin;
};

// The ffmpeg arguments that read the input and write every output.
std::vector<std::string> FfmpegArguments(const FfmpegInput& input,
                                         const std::vector<FfmpegOutput>& outputs);

// Runs one ffmpeg writing every output, reporting progress as the given pass.
// With joined, ffmpeg reads the joined clips from us; else the files. Returns the number
// of frames written to the first video output. Throws Failure when ffmpeg or
// the feed fails and Stopped when we were stopped.
long RunFfmpeg(const Source& source, JoinedStream* joined, const std::vector<FfmpegOutput>& outputs,
               ProgressReporter& progress, int pass);

}  // namespace eac3to
