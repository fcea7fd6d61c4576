#pragma once

#include <string>
#include <vector>

#include "command_line.h"
#include "track.h"

namespace eac3to {

enum class Engine {
  Ffmpeg,       // one output of the ffmpeg run
  PidCopy,      // the raw payload of a transport stream PID (TrueHD with its AC-3)
  ChapterText,  // the chapter list as CHAPTERnn= lines
};

// How one "N: file" entry is written.
struct OutputPlan {
  TrackRequest request;
  Track track;
  Engine engine = Engine::Ffmpeg;
  int mapIndex = -1;                    // FFmpeg stream to read
  std::vector<std::string> ffmpegArgs;  // codec and format options of this output
  bool decodesAudio = false;            // a recode: the audio can be padded or cut to the video's start
  std::string summary;                  // for the log, e.g. "AC3 recode at 640kbps"
};

// Chooses by the file's extension how the requested track is written.
// Throws Failure when the track doesn't exist or the file type can't hold it.
OutputPlan PlanOutput(const Source& source, const TrackRequest& request);

// The lower-case extension of a file name, with its dot (".thd+ac3").
std::string ExtensionOf(const std::filesystem::path& file);

}  // namespace eac3to
