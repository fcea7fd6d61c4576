#include "ffmpeg_run.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "child_process.h"
#include "failure.h"
#include "stop_signal.h"

namespace eac3to {
namespace {

// Audio gaps and overlaps above this (at clip junctions, or before the first
// sample) are filled with silence or cut; smaller ones are stretched away.
constexpr const char* kHardSyncSeconds = "0.02";

// Reads ffmpeg's "-progress" report: key=value lines.
class ProgressReader {
 public:
  ProgressReader(const Source& source, ProgressReporter& progress, int pass)
      : durationMs_(source.durationMs), progress_(progress), pass_(pass) {}

  void operator()(const std::string& line) {
    const auto equals = line.find('=');
    if (equals == std::string::npos) return;
    const std::string key = line.substr(0, equals);
    const char* value = line.c_str() + equals + 1;
    if (key == "frame") frames_ = std::atol(value);
    if (key == "out_time_us" && durationMs_ > 0)
      progress_.Report(pass_, std::atof(value) / 1000.0 / static_cast<double>(durationMs_));
  }

  long frames() const { return frames_; }

 private:
  std::int64_t durationMs_;
  ProgressReporter& progress_;
  int pass_;
  long frames_ = 0;
};

std::string LastError(const ChildResult& result) {
  return result.errorLines.empty() ? "no message" : result.errorLines.back();
}

std::string Seconds(std::int64_t ticks90k) {
  char text[40];
  std::snprintf(text, sizeof text, "%.6f", static_cast<double>(ticks90k) / 90000.0);
  return text;
}

// Decoded audio starts at the origin and runs on without gaps.
std::string AudioSyncFilter(const OutputPlan& plan, const std::optional<std::int64_t>& origin) {
  std::string filter = std::string("aresample=async=1:min_hard_comp=") + kHardSyncSeconds;
  const int rate = plan.track.audio.sampleRate;
  if (origin && rate > 0)
    filter += ":first_pts=" + std::to_string(std::llround(static_cast<double>(*origin) * rate / 90000.0));
  return filter;
}

void AddOutput(std::vector<std::string>& args, const FfmpegInput& input, const FfmpegOutput& output) {
  const OutputPlan& plan = *output.plan;
  args.insert(args.end(), {"-map", "0:" + std::to_string(plan.mapIndex)});
  args.insert(args.end(), plan.ffmpegArgs.begin(), plan.ffmpegArgs.end());
  if (plan.decodesAudio) args.insert(args.end(), {"-af", AudioSyncFilter(plan, input.origin)});
  if (input.origin) args.insert(args.end(), {"-output_ts_offset", "-" + Seconds(*input.origin)});
  args.insert(args.end(), {"-max_muxing_queue_size", "4096", output.file.string()});
}

// One file, or the clips' bytes one after another.
std::string FilesInput(const Source& source) {
  if (source.parts.size() == 1) return source.parts.front().file.string();
  std::string files = "concat:";
  for (const auto& part : source.parts) files += (files.size() > 7 ? "|" : "") + part.file.string();
  return files;
}

}  // namespace

std::vector<std::string> FfmpegArguments(const FfmpegInput& input,
                                         const std::vector<FfmpegOutput>& outputs) {
  std::vector<std::string> args = {"ffmpeg", "-hide_banner", "-nostdin", "-nostats",
                                   "-loglevel", "error", "-progress", "pipe:1", "-y"};
  if (input.origin) args.push_back("-copyts");  // times count from the origin, not the first packet
  if (input.transportStream) args.insert(args.end(), {"-f", "mpegts"});
  args.insert(args.end(), {"-i", input.file});
  for (const auto& output : outputs) AddOutput(args, input, output);
  return args;
}

long RunFfmpeg(const Source& source, JoinedStream* joined, const std::vector<FfmpegOutput>& outputs,
               ProgressReporter& progress, int pass) {
  FfmpegInput input{FilesInput(source), source.transportStream, source.parts.front().inTime};
  std::optional<ChildInput> feed;
  if (joined) {
    input.file = "pipe:0";
    input.origin = joined->Origin();
    feed.emplace([joined](const ChildInput::Writer& write) {
      joined->Write(write, [](double) {});
    });
  }
  ProgressReader reader(source, progress, pass);
  const ChildResult result = RunChild(FfmpegArguments(input, outputs),
                                      [&](const std::string& line) { reader(line); },
                                      feed ? &*feed : nullptr);
  if (result.stopped) throw Stopped();
  if (result.inputError) std::rethrow_exception(result.inputError);
  if (result.exitCode != 0)
    throw Failure("FFmpeg failed (exit code " + std::to_string(result.exitCode) +
                  "): " + LastError(result));
  return reader.frames();
}

}  // namespace eac3to
