#pragma once
// What ffprobe says about the streams of an input file.

#include <optional>
#include <string>
#include <vector>

namespace tsmuxer {

struct ProbedStream {
  int index = 0;
  int id = 0;  // PID in a transport stream
  std::string codecType;  // "video", "audio", "subtitle"
  std::string codecName;
  int width = 0;
  int height = 0;
  std::string fieldOrder;  // "progressive", "tt", ...
  std::string frameRate;   // "24000/1001"
  std::string displayAspect;  // "16:9"
  int channels = 0;
  int sampleRate = 0;
};

struct ProbedFile {
  std::vector<ProbedStream> streams;
  double durationSeconds = 0;  // 0 when unknown (raw elementary streams)
  double startSeconds = 0;     // first timestamp
};

// `rawFrameRate` ("24000/1001") is given to raw video demuxers. Nothing when
// ffprobe cannot read the file.
std::optional<ProbedFile> probeFile(const std::string& path, const std::string& rawFrameRate);

// Parses ffprobe's "flat" output.
ProbedFile parseFlatProbe(const std::vector<std::string>& lines);

}  // namespace tsmuxer
