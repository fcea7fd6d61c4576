#pragma once
// Which input stream each control-file line takes, under which PID and in
// which output coding; decided before anything is written.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "media_probe.h"
#include "meta_file.h"

namespace tsmuxer {

enum class AudioConversion { None, ToAc3, DtsCore, ToLpcm };

struct PlannedTrack {
  TrackSpec trackSpec;
  std::string input;        // file ffmpeg reads (a rendered .sup for text subtitles)
  std::string rawFrameRate;  // "24000/1001" for raw video files, else empty
  ProbedStream stream;      // the chosen input stream
  double inputSeconds = 0;  // duration of the input file, 0 when unknown
  // Seconds added to the input's timestamps: the time shift, and for a
  // subtitle file its first timestamp, since its times count from the start
  // of the video (ffmpeg would otherwise move its first caption to zero).
  double inputOffset = 0;
  uint16_t pid = 0;
  AudioConversion conversion = AudioConversion::None;
};

struct MuxPlan {
  std::vector<PlannedTrack> tracks;  // video, audio, subtitles; control-file order within each
};

struct PlanError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

using Prober = std::function<std::optional<ProbedFile>(const std::string& path, const std::string& rawFrameRate)>;

// `inputOf` gives the file to read for a track (the text-subtitle renderer
// replaces S_TEXT files). Throws PlanError for a file ffprobe cannot read, a
// track PID the file lacks, or a stream whose codec the line's codec id
// does not name.
MuxPlan planMux(const MetaFile& meta, const Prober& probe,
                const std::function<std::string(const TrackSpec&)>& inputOf);

// "23.976" -> "24000/1001"; other rates as written; empty stays empty.
std::string frameRateFraction(const std::string& fps);

}  // namespace tsmuxer
