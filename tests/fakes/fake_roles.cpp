#include "fake_roles.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fake {

namespace fs = std::filesystem;

void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

bool Exists(const std::string& path) {
  std::error_code ec;
  return fs::exists(path, ec);
}

std::string OptionValue(const Args& args, const std::string& option) {
  for (size_t i = 0; i + 1 < args.size(); ++i)
    if (args[i] == option) return args[i + 1];
  return "";
}

namespace {

void Say(std::FILE* stream, const std::string& text) {
  std::fputs(text.c_str(), stream);
  std::fflush(stream);
}

// eac3to: "<source> [N)] 2: <file> [options] ... -log=<log>".
std::vector<std::string> Eac3toOutputs(const Args& args) {
  std::vector<std::string> outputs;
  for (size_t i = 0; i + 1 < args.size(); ++i)
    if (args[i].size() > 1 && args[i].back() == ':') outputs.push_back(args[i + 1]);
  return outputs;
}

std::string Eac3toLog(const Args& args) {
  for (const auto& a : args)
    if (a.rfind("-log=", 0) == 0) return a.substr(5);
  return "";
}

}  // namespace

int PlayEac3to(const Run& run) {
  const auto outputs = Eac3toOutputs(run.args);
  for (const auto& file : outputs) WriteFile(file, "partial");
  const char* frames = std::getenv("FAKE_EAC3TO_FRAMES");
  const std::string log = Eac3toLog(run.args);
  if (!log.empty())
    WriteFile(log, "eac3to v3.34\nVideo track 1 contains " + std::string(frames ? frames : "1000") + " frames.\n");
  Say(stdout, "analyze: 100%\nprocess: 40%\n");
  if (std::getenv("FAKE_EAC3TO_SECOND_PASS")) Say(stdout, "Starting 2nd pass...\n");
  run.pause();
  if (run.exitCode != 0) return run.exitCode;
  for (const auto& file : outputs) WriteFile(file, "eac3to track\n");
  Say(stdout, "process: 100%\nDone.\n");
  return 0;
}

// x264 writes its statistics under ".temp" names and renames them once
// the first pass is complete.
int PlayX264(const Run& run) {
  const std::string stats = OptionValue(run.args, "--stats");
  const std::string output = OptionValue(run.args, "-o");
  const bool firstPass = OptionValue(run.args, "--pass") == "1";
  const std::string framesText = OptionValue(run.args, "--frames");
  const int frames = framesText.empty() ? 100 : std::atoi(framesText.c_str());
  if (firstPass && !stats.empty()) {
    WriteFile(stats + ".temp", "partial");
    WriteFile(stats + ".mbtree.temp", "partial");
  }
  if (!output.empty() && output != "/dev/null") WriteFile(output, "partial");
  Say(stderr, "x264 [info]: profile High, level 4.1\n");
  Say(stderr, "[40.0%] " + std::to_string(frames * 2 / 5) + "/" + std::to_string(frames) +
                  " frames, 25.00 fps, 1000.00 kb/s, eta 0:00:01  \r");
  run.pause();
  if (run.exitCode != 0) return run.exitCode;
  if (firstPass && !stats.empty()) {
    fs::rename(stats + ".temp", stats);
    fs::rename(stats + ".mbtree.temp", stats + ".mbtree");
  }
  if (!output.empty() && output != "/dev/null") WriteFile(output, "x264 stream\n");
  Say(stderr, "\nencoded " + std::to_string(frames) + " frames\n");
  return 0;
}

namespace {

// The files a control file names between double quotes.
std::vector<std::string> MetaInputs(const std::string& metaPath) {
  std::ifstream meta(metaPath, std::ios::binary);
  std::vector<std::string> inputs;
  std::string line;
  while (std::getline(meta, line)) {
    const auto open = line.find('"');
    const auto close = open == std::string::npos ? open : line.find('"', open + 1);
    if (line.rfind("MUXOPT", 0) != 0 && close != std::string::npos) inputs.push_back(line.substr(open + 1, close - open - 1));
  }
  return inputs;
}

void WriteAvchdFolder(const fs::path& out) {
  for (const char* dir : {"BDMV/PLAYLIST", "BDMV/CLIPINF", "BDMV/STREAM", "BDMV/AUXDATA", "BDMV/BACKUP/PLAYLIST",
                          "BDMV/BACKUP/CLIPINF", "CERTIFICATE/BACKUP"})
    fs::create_directories(out / dir);
  const std::string movieObject = "MOBJ0100" + std::string(282, '\0');
  for (const char* file : {"BDMV/MovieObject.bdmv", "BDMV/BACKUP/MovieObject.bdmv"}) WriteFile(out / file, movieObject);
  for (const char* file : {"BDMV/index.bdmv", "BDMV/BACKUP/index.bdmv"}) WriteFile(out / file, "INDX0100");
  WriteFile(out / "BDMV/STREAM/00000.m2ts", "stream");
}

}  // namespace

// As the real tsMuxeR: a control file that names a missing input fails
// with 254 before any folder is made.
int PlayTsMuxer(const Run& run) {
  if (run.args.size() < 2) return 1;
  const std::string banner = "tsMuxeR version 2.6.16-dev. github.com/justdan96/tsMuxer\n";
  for (const auto& input : MetaInputs(run.args[0])) {
    if (Exists(input)) continue;
    Say(stdout, banner);
    Say(stderr, "Can't open file: " + input + "\n");
    return 254;
  }
  WriteAvchdFolder(run.args[1]);
  // One write, so that the window's first look at the pipe finds the line
  // after the first line end, whenever it comes.
  Say(stdout, banner + "3.6% complete\n40.0% complete\n");
  run.pause();
  if (run.exitCode != 0) return run.exitCode;
  Say(stdout, "100.0% complete\nMux successful complete\n");
  return 0;
}

int PlayMkvMerge(const Run& run) {
  const std::string output = OptionValue(run.args, "-o");
  if (!output.empty()) WriteFile(output, "partial");
  Say(stdout, "mkvmerge v74.0.0 ('You Oughta Know') 64-bit\nProgress: 40%\r");
  run.pause();
  if (run.exitCode != 0) return run.exitCode;
  if (!output.empty()) WriteFile(output, "matroska");
  Say(stdout, "Progress: 100%\rMultiplexing took 0 seconds.\n");
  return 0;
}

// java -Xmx256m -jar <jar> <input> <output> [options]
int PlayJava(const Run& run) {
  if (run.args.size() < 5) return 1;
  WriteFile(run.args[4], "partial");
  run.pause();
  if (run.exitCode == 0) WriteFile(run.args[4], "bdsup2sub output");
  return run.exitCode;
}

}  // namespace fake
