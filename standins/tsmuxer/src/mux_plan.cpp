#include "mux_plan.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace tsmuxer {

namespace {

constexpr uint16_t kFirstPid[] = {0x1011, 0x1100, 0x1200};  // by TrackKind

const std::map<std::string, std::set<std::string>>& codecNames() {
  static const std::map<std::string, std::set<std::string>> names = {
      {"V_MPEG4/ISO/AVC", {"h264"}},
      {"V_MS/VFW/WVC1", {"vc1"}},
      {"V_MPEG-2", {"mpeg2video", "mpeg1video"}},
      {"A_AC3", {"ac3", "eac3", "truehd"}},
      {"A_DTS", {"dts"}},
      {"A_LPCM", {"pcm_bluray", "pcm_s16le", "pcm_s24le", "pcm_s16be", "pcm_s24be", "pcm_s32le"}},
      {"S_HDMV/PGS", {"hdmv_pgs_subtitle"}},
      {"S_TEXT/UTF8", {"hdmv_pgs_subtitle"}},  // after rendering
  };
  return names;
}

const char* codecTypeOf(TrackKind kind) {
  return kind == TrackKind::Video ? "video" : kind == TrackKind::Audio ? "audio" : "subtitle";
}

bool hasStreamIds(const ProbedFile& file) {
  return std::any_of(file.streams.begin(), file.streams.end(), [](const ProbedStream& s) { return s.id != 0; });
}

// With a track number: in a transport stream the streams on that PID (a
// Blu-ray TrueHD PID also carries its AC-3 core), elsewhere the file's
// track of that number counted from 1. Without: the first stream of the
// line's kind.
std::vector<ProbedStream> candidates(const ProbedFile& file, const TrackSpec& trackSpec) {
  std::vector<ProbedStream> found;
  const bool byPid = hasStreamIds(file);
  for (const ProbedStream& s : file.streams) {
    const bool match = !trackSpec.track ? s.codecType == codecTypeOf(trackSpec.kind)
                       : byPid     ? s.id == *trackSpec.track
                                   : s.index + 1 == *trackSpec.track;
    if (match) found.push_back(s);
    if (match && !trackSpec.track) break;
  }
  return found;
}

ProbedStream chooseStream(const ProbedFile& file, const TrackSpec& trackSpec, const std::string& input) {
  const std::vector<ProbedStream> found = candidates(file, trackSpec);
  if (found.empty())
    throw PlanError(trackSpec.track ? "Track " + std::to_string(*trackSpec.track) + " not found in " + input
                               : "No " + std::string(codecTypeOf(trackSpec.kind)) + " stream in " + input);
  if (trackSpec.downToAc3) {
    const auto core = std::find_if(found.begin(), found.end(), [](auto& s) { return s.codecName == "ac3"; });
    if (core != found.end()) return *core;
  }
  return found.front();
}

AudioConversion conversionFor(const TrackSpec& trackSpec, const ProbedStream& s) {
  if (trackSpec.kind != TrackKind::Audio) return AudioConversion::None;
  if (trackSpec.codecId == "A_LPCM" && s.codecName != "pcm_bluray") return AudioConversion::ToLpcm;
  if (trackSpec.downToAc3 && s.codecName != "ac3") return AudioConversion::ToAc3;
  if (trackSpec.downToDts && s.codecName == "dts") return AudioConversion::DtsCore;
  return AudioConversion::None;
}

PlannedTrack planTrack(const TrackSpec& trackSpec, const Prober& probe, const std::string& input) {
  PlannedTrack t;
  t.trackSpec = trackSpec;
  t.input = input;
  if (trackSpec.kind == TrackKind::Video && !trackSpec.track) t.rawFrameRate = frameRateFraction(trackSpec.fps);
  const std::optional<ProbedFile> file = probe(input, t.rawFrameRate);
  if (!file) throw PlanError("Can't detect stream type of " + input);
  t.stream = chooseStream(*file, trackSpec, input);
  if (!codecNames().at(trackSpec.codecId).count(t.stream.codecName))
    throw PlanError("Stream of " + input + " is " + t.stream.codecName + ", not " + trackSpec.codecId);
  t.inputSeconds = file->durationSeconds;
  t.inputOffset = trackSpec.timeshiftMs / 1000.0;
  if (trackSpec.kind == TrackKind::Subtitle && !trackSpec.track) t.inputOffset += file->startSeconds;
  t.conversion = conversionFor(trackSpec, t.stream);
  return t;
}

}  // namespace

std::string frameRateFraction(const std::string& fps) {
  const double value = std::atof(fps.c_str());
  for (int nominal : {24, 30, 60})
    if (std::fabs(value - nominal * 1000.0 / 1001.0) < 0.01) return std::to_string(nominal * 1000) + "/1001";
  return fps;
}

MuxPlan planMux(const MetaFile& meta, const Prober& probe,
                const std::function<std::string(const TrackSpec&)>& inputOf) {
  MuxPlan plan;
  for (TrackKind kind : {TrackKind::Video, TrackKind::Audio, TrackKind::Subtitle}) {
    uint16_t pid = kFirstPid[static_cast<int>(kind)];
    for (const TrackSpec& trackSpec : meta.tracks) {
      if (trackSpec.kind != kind) continue;
      plan.tracks.push_back(planTrack(trackSpec, probe, inputOf(trackSpec)));
      plan.tracks.back().pid = pid++;
    }
  }
  return plan;
}

}  // namespace tsmuxer
