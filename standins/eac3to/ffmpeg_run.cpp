#include "ffmpeg_run.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <optional>

#include "child_process.h"
#include "concat_list.h"
#include "failure.h"
#include "stop_signal.h"

namespace eac3to {
namespace {

// The concat list lives in a temporary file for the length of the run.
class ConcatFile {
 public:
  explicit ConcatFile(const std::vector<InputPart>& parts) {
    std::string name = (std::filesystem::temp_directory_path() / "eac3to-XXXXXX").string();
    const int fd = mkstemp(name.data());
    if (fd < 0) throw Failure("No temporary file for the clip list.");
    close(fd);
    path_ = name;
    std::ofstream(path_) << ConcatList(parts);
  }
  ~ConcatFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

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

}  // namespace

std::vector<std::string> FfmpegArguments(const std::string& input, bool concat,
                                         const std::vector<FfmpegOutput>& outputs) {
  std::vector<std::string> args = {"ffmpeg", "-hide_banner", "-nostdin", "-nostats",
                                   "-loglevel", "error", "-progress", "pipe:1", "-y"};
  if (concat) args.insert(args.end(), {"-f", "concat", "-safe", "0"});
  args.insert(args.end(), {"-i", input});
  for (const auto& output : outputs) {
    args.insert(args.end(), {"-map", "0:" + std::to_string(output.plan->mapIndex)});
    args.insert(args.end(), output.plan->ffmpegArgs.begin(), output.plan->ffmpegArgs.end());
    args.insert(args.end(), {"-max_muxing_queue_size", "4096", output.file.string()});
  }
  return args;
}

long RunFfmpeg(const Source& source, const std::vector<FfmpegOutput>& outputs,
               ProgressReporter& progress, int pass) {
  std::optional<ConcatFile> list;
  if (NeedsConcatList(source.parts)) list.emplace(source.parts);
  const std::string input = list ? list->path().string() : source.parts.front().file.string();
  ProgressReader reader(source, progress, pass);
  const ChildResult result = RunChild(FfmpegArguments(input, list.has_value(), outputs),
                                      [&](const std::string& line) { reader(line); });
  if (result.stopped) throw Stopped();
  if (result.exitCode != 0)
    throw Failure("FFmpeg failed (exit code " + std::to_string(result.exitCode) +
                  "): " + LastError(result));
  return reader.frames();
}

}  // namespace eac3to
