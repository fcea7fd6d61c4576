#include "muxer.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "avchd_navigation.h"
#include "bdnav/m2ts_scan.h"
#include "bdnav/navigation_writer.h"
#include "mux_run.h"
#include "output_guard.h"
#include "text_tracks.h"

namespace tsmuxer {

namespace fs = std::filesystem;

namespace {

struct Failure {
  int exitCode;
  std::string message;
};

std::string readControlFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Failure{kExitCantOpen, "Can't open file: " + path};
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

MetaFile parseControlFile(const std::string& path) {
  try {
    return parseMeta(readControlFile(path));
  } catch (const MetaError& e) {
    throw Failure{kExitFailed, e.what()};
  }
}

void checkInputsOpen(const MetaFile& meta) {
  for (const TrackSpec& t : meta.tracks)
    if (!std::ifstream(t.file, std::ios::binary) || fs::is_directory(t.file))
      throw Failure{kExitCantOpen, "Can't open file: " + t.file};
}

MuxPlan plan(const MetaFile& meta, const TextTracks& text) {
  try {
    return planMux(meta, probeFile, [&](const TrackSpec& t) { return text.inputOf(t); });
  } catch (const PlanError& e) {
    throw Failure{kExitFailed, e.what()};
  }
}

// Every planned stream must have reached the output.
void checkFrames(const bdnav::M2tsScan& scan, const MuxPlan& plan) {
  for (const PlannedTrack& t : plan.tracks) {
    uint32_t units = 0;
    for (const bdnav::ScannedStream& s : scan.streams)
      if (s.pid == t.pid) units = s.units;
    if (units == 0) throw Failure{kExitFailed, "No frames found in stream of \"" + t.trackSpec.file + "\""};
  }
}

void author(const std::string& outputFolder, const MuxPlan& plan, const MetaFile& meta, Console& console) {
  const fs::path stream = fs::path(outputFolder) / "BDMV" / "STREAM" / "00000.m2ts";
  try {
    console.out("Creating AVCHD stream info and seek index");
    const bdnav::M2tsScan scan = bdnav::scanM2ts(stream);
    checkFrames(scan, plan);
    console.out("Processed " + std::to_string(scan.frames) + " video frames");
    console.out("Creating AVCHD playlist");
    bdnav::writeNavigation(outputFolder, avchdNavigation(scan, plan, meta.options));
  } catch (const std::exception& e) {
    throw Failure{kExitFailed, e.what()};
  }
}

}  // namespace

int runMuxer(const std::string& metaPath, const std::string& outputFolder, Console& console) {
  const auto started = std::chrono::steady_clock::now();
  try {
    const MetaFile meta = parseControlFile(metaPath);
    checkInputsOpen(meta);
    TextTracks text(meta);
    const MuxPlan muxPlan = plan(meta, text);
    OutputGuard output(outputFolder);
    const std::string error = muxStreams(muxPlan, outputFolder, console);
    if (!error.empty()) throw Failure{kExitFailed, error};
    author(outputFolder, muxPlan, meta, console);
    output.keep();
  } catch (const Failure& f) {
    console.err(f.message);
    return f.exitCode;
  } catch (const TextTrackError& e) {
    console.err(e.what());
    return kExitFailed;
  }
  console.out("Mux successful complete");
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - started);
  console.out("Muxing time: " + std::to_string(seconds.count()) + " sec");
  return kExitOk;
}

}  // namespace tsmuxer
