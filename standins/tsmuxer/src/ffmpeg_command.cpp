#include "ffmpeg_command.h"

#include <cstdio>
#include <map>
#include <tuple>

namespace tsmuxer {

namespace {

using Args = std::vector<std::string>;

std::string seconds(double s) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", s);
  return text;
}

// Tracks sharing a file, time offset and raw frame rate share one input.
using InputKey = std::tuple<std::string, std::string, std::string>;

InputKey keyOf(const PlannedTrack& t) { return {t.input, seconds(t.inputOffset), t.rawFrameRate}; }

void addInput(Args& args, const PlannedTrack& t) {
  if (seconds(t.inputOffset) != seconds(0)) args.insert(args.end(), {"-itsoffset", seconds(t.inputOffset)});
  // Raw video has no timestamps of its own: the rate gives them.
  if (!t.rawFrameRate.empty()) args.insert(args.end(), {"-fflags", "+genpts", "-framerate", t.rawFrameRate});
  // "file:" keeps ffmpeg from reading a protocol or option into the name.
  args.insert(args.end(), {"-i", "file:" + t.input});
}

void addConversion(Args& args, const PlannedTrack& t, const std::string& k) {
  switch (t.conversion) {
    case AudioConversion::ToAc3:
      args.insert(args.end(), {"-c:" + k, "ac3", "-b:" + k, "640k"});
      if (t.stream.channels > 6) args.insert(args.end(), {"-ac:" + k, "6"});
      break;
    case AudioConversion::DtsCore:
      args.insert(args.end(), {"-bsf:" + k, "dca_core"});
      break;
    case AudioConversion::ToLpcm:
      args.insert(args.end(), {"-c:" + k, "pcm_bluray"});
      break;
    case AudioConversion::None:
      break;
  }
}

}  // namespace

Args ffmpegArguments(const MuxPlan& plan, const std::string& output) {
  Args args = {"ffmpeg", "-nostdin", "-hide_banner", "-v", "error", "-y", "-nostats",
               "-progress", "pipe:1", "-stats_period", "0.5"};
  std::map<InputKey, int> inputs;
  for (const PlannedTrack& t : plan.tracks) {
    if (inputs.count(keyOf(t))) continue;
    inputs.emplace(keyOf(t), static_cast<int>(inputs.size()));
    addInput(args, t);
  }
  for (const PlannedTrack& t : plan.tracks)
    args.insert(args.end(), {"-map", std::to_string(inputs.at(keyOf(t))) + ":" + std::to_string(t.stream.index)});
  args.insert(args.end(), {"-c", "copy"});
  for (size_t i = 0; i < plan.tracks.size(); ++i) {
    const PlannedTrack& t = plan.tracks[i];
    const std::string k = std::to_string(i);
    addConversion(args, t, k);
    if (!t.trackSpec.language.empty()) args.insert(args.end(), {"-metadata:s:" + k, "language=" + t.trackSpec.language});
    args.insert(args.end(), {"-streamid", k + ":" + std::to_string(t.pid)});
  }
  // A Blu-ray stream carries its program tables as seldom as the rules
  // allow (0.4 s, under the 0.5 s limit) and no DVB service table beyond
  // the first: every byte of overhead is taken from the video's share of
  // the disc.
  args.insert(args.end(), {"-max_muxing_queue_size", "4096", "-f", "mpegts", "-mpegts_m2ts_mode", "1",
                           "-pat_period", "0.4", "-sdt_period", "100000", "file:" + output});
  return args;
}

}  // namespace tsmuxer
