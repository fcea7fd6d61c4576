#include "mux_run.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>

#include "child_process.h"
#include "ffmpeg_command.h"
#include "progress_meter.h"

namespace tsmuxer {

namespace fs = std::filesystem;

namespace {

std::string describe(const PlannedTrack& t, size_t number) {
  std::ostringstream note;
  note << "Stream " << number << " (" << t.trackSpec.codecId << ", PID 0x" << std::hex << std::uppercase << t.pid
       << std::dec << "): " << t.stream.codecName;
  if (t.trackSpec.kind == TrackKind::Video)
    note << " " << t.stream.width << "x" << t.stream.height << " at " << t.stream.frameRate;
  if (t.stream.channels > 0) note << " " << t.stream.channels << " channels";
  if (t.conversion == AudioConversion::ToAc3) note << ", converted to AC-3";
  if (t.conversion == AudioConversion::DtsCore) note << ", DTS core only";
  if (t.conversion == AudioConversion::ToLpcm) note << ", as Blu-ray LPCM";
  return note.str();
}

double longestInput(const MuxPlan& plan) {
  double seconds = 0;
  for (const PlannedTrack& t : plan.tracks) seconds = std::max(seconds, t.inputSeconds + t.trackSpec.timeshiftMs / 1000.0);
  return seconds;
}

uint64_t inputBytes(const MuxPlan& plan) {
  std::set<std::string> files;
  for (const PlannedTrack& t : plan.tracks) files.insert(t.input);
  uint64_t bytes = 0;
  std::error_code ec;
  for (const std::string& f : files) {
    const auto size = fs::file_size(f, ec);
    if (!ec) bytes += size;
  }
  return bytes;
}

}  // namespace

std::string muxStreams(const MuxPlan& plan, const std::string& outputFolder, Console& console) {
  for (size_t i = 0; i < plan.tracks.size(); ++i) console.out(describe(plan.tracks[i], i + 1));
  const fs::path streamFolder = fs::path(outputFolder) / "BDMV" / "STREAM";
  std::error_code ec;
  fs::create_directories(streamFolder, ec);
  if (ec) return "Can't create folder " + streamFolder.string() + ": " + ec.message();

  ProgressMeter meter(longestInput(plan), inputBytes(plan), [&](const std::string& line) { console.out(line); });
  const int rc = runChild(ffmpegArguments(plan, (streamFolder / "00000.m2ts").string()),
                          [&](const std::string& line) { meter.onLine(line); });
  if (rc < 0) return "Can't start ffmpeg: is it installed and on PATH?";
  if (rc != 0) return "ffmpeg failed with exit code " + std::to_string(rc) + " while muxing";
  meter.finish();
  return "";
}

}  // namespace tsmuxer
