#include "media_probe.h"

#include <cstdlib>
#include <map>

#include "child_process.h"

namespace tsmuxer {

namespace {

std::string unquote(const std::string& s) {
  if (s.size() >= 2 && s.front() == '"' && s.back() == '"') return s.substr(1, s.size() - 2);
  return s;
}

int toInt(const std::string& s) { return std::atoi(s.c_str()); }

void setField(ProbedStream& s, const std::string& key, const std::string& value) {
  if (key == "index") s.index = toInt(value);
  else if (key == "id") s.id = static_cast<int>(std::strtol(value.c_str(), nullptr, 0));
  else if (key == "codec_type") s.codecType = value;
  else if (key == "codec_name") s.codecName = value;
  else if (key == "width") s.width = toInt(value);
  else if (key == "height") s.height = toInt(value);
  else if (key == "field_order") s.fieldOrder = value;
  else if (key == "r_frame_rate") s.frameRate = value;
  else if (key == "display_aspect_ratio") s.displayAspect = value;
  else if (key == "channels") s.channels = toInt(value);
  else if (key == "sample_rate") s.sampleRate = toInt(value);
}

}  // namespace

// Lines look like  streams.stream.0.codec_name="h264"  or  format.duration="3.0".
ProbedFile parseFlatProbe(const std::vector<std::string>& lines) {
  ProbedFile file;
  std::map<int, ProbedStream> streams;
  const std::string streamPrefix = "streams.stream.";
  for (const std::string& line : lines) {
    const size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = line.substr(0, eq);
    const std::string value = unquote(line.substr(eq + 1));
    if (key == "format.duration") {
      file.durationSeconds = std::atof(value.c_str());
    } else if (key == "format.start_time") {
      file.startSeconds = std::atof(value.c_str());
    } else if (key.rfind(streamPrefix, 0) == 0) {
      const size_t dot = key.find('.', streamPrefix.size());
      if (dot == std::string::npos) continue;
      setField(streams[toInt(key.substr(streamPrefix.size()))], key.substr(dot + 1), value);
    }
  }
  for (auto& [index, s] : streams) file.streams.push_back(s);
  return file;
}

std::optional<ProbedFile> probeFile(const std::string& path, const std::string& rawFrameRate) {
  std::vector<std::string> argv = {"ffprobe", "-v", "error"};
  if (!rawFrameRate.empty()) argv.insert(argv.end(), {"-framerate", rawFrameRate});
  argv.insert(argv.end(), {"-show_entries",
                           "stream=index,id,codec_type,codec_name,width,height,field_order,r_frame_rate,display_aspect_ratio,"
                           "channels,sample_rate:format=duration,start_time",
                           "-of", "flat", "--", path});
  std::vector<std::string> lines;
  if (runChild(argv, [&](const std::string& line) { lines.push_back(line); }) != 0) return std::nullopt;
  ProbedFile file = parseFlatProbe(lines);
  if (file.streams.empty()) return std::nullopt;
  return file;
}

}  // namespace tsmuxer
