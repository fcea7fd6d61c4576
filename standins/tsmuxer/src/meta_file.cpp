#include "meta_file.h"

#include <algorithm>
#include <map>
#include <sstream>

#include "meta_options.h"

namespace tsmuxer {

namespace {

const std::map<std::string, TrackKind>& supportedCodecs() {
  static const std::map<std::string, TrackKind> codecs = {
      {"V_MPEG4/ISO/AVC", TrackKind::Video}, {"V_MS/VFW/WVC1", TrackKind::Video},
      {"V_MPEG-2", TrackKind::Video},        {"A_AC3", TrackKind::Audio},
      {"A_DTS", TrackKind::Audio},           {"A_LPCM", TrackKind::Audio},
      {"S_HDMV/PGS", TrackKind::Subtitle},   {"S_TEXT/UTF8", TrackKind::Subtitle}};
  return codecs;
}

std::string trim(const std::string& s) {
  const size_t first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::string unquote(const std::string& s) {
  if (s.size() >= 2 && s.front() == '"' && s.back() == '"') return s.substr(1, s.size() - 2);
  return s;
}

// Splits on commas outside double quotes.
std::vector<std::string> splitFields(const std::string& line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (char c : line) {
    if (c == '"') quoted = !quoted;
    if (c == ',' && !quoted) fields.emplace_back();
    else fields.back() += c;
  }
  for (std::string& f : fields) f = trim(f);
  return fields;
}

TrackSpec parseTrackLine(const std::string& line, int lineNumber) {
  const std::vector<std::string> fields = splitFields(line);
  TrackSpec trackSpec;
  trackSpec.codecId = fields[0];
  const auto codec = supportedCodecs().find(trackSpec.codecId);
  if (codec == supportedCodecs().end())
    throw MetaError("Unsupported codec \"" + trackSpec.codecId + "\" in line " + std::to_string(lineNumber));
  trackSpec.kind = codec->second;
  if (fields.size() < 2 || fields[1].size() < 3 || fields[1].front() != '"' || fields[1].back() != '"')
    throw MetaError("Missing quoted file name in line " + std::to_string(lineNumber));
  trackSpec.file = unquote(fields[1]);
  for (size_t i = 2; i < fields.size(); ++i) {
    const size_t eq = fields[i].find('=');
    const std::string name = trim(fields[i].substr(0, eq));
    const std::string value = eq == std::string::npos ? "" : unquote(trim(fields[i].substr(eq + 1)));
    applyTrackOption(trackSpec, name, value, lineNumber);
  }
  return trackSpec;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(trim(line));
  return out;
}

}  // namespace

MetaFile parseMeta(const std::string& text) {
  MetaFile meta;
  bool haveMuxOptions = false;
  int lineNumber = 0;
  for (const std::string& line : lines(text)) {
    ++lineNumber;
    if (line.empty() || line[0] == '#') continue;
    if (line.rfind("MUXOPT", 0) == 0) {
      meta.options = parseMuxOptions(line.substr(6));
      haveMuxOptions = true;
    } else {
      meta.tracks.push_back(parseTrackLine(line, lineNumber));
    }
  }
  if (!haveMuxOptions) throw MetaError("No MUXOPT line in the control file");
  if (meta.tracks.empty()) throw MetaError("No stream to mux in the control file");
  return meta;
}

}  // namespace tsmuxer
