#include "meta_options.h"

#include <charconv>
#include <sstream>

namespace tsmuxer {

namespace {

template <typename T>
std::optional<T> number(const std::string& text, int base = 10) {
  T value{};
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value, base);
  if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
  return value;
}

int intOption(const std::string& name, const std::string& value, int lineNumber) {
  const auto n = number<int>(value);
  if (!n) throw MetaError("Bad value \"" + value + "\" of " + name + " in line " + std::to_string(lineNumber));
  return *n;
}

uint32_t colourOption(const std::string& value, int lineNumber) {
  const bool hex = value.rfind("0x", 0) == 0 || value.rfind("0X", 0) == 0;
  const auto n = number<uint32_t>(hex ? value.substr(2) : value, hex ? 16 : 10);
  if (!n) throw MetaError("Bad value \"" + value + "\" of font-color in line " + std::to_string(lineNumber));
  return *n;
}

std::vector<int64_t> chapterList(const std::string& value) {
  std::vector<int64_t> times;
  std::istringstream in(value);
  for (std::string item; std::getline(in, item, ';');) {
    if (item.empty()) continue;
    const auto ms = parseChapterTime(item);
    if (!ms) throw MetaError("Bad chapter time \"" + item + "\"");
    times.push_back(*ms);
  }
  return times;
}

}  // namespace

// Milliseconds of "ss", "mm:ss" or "hh:mm:ss", each with an optional
// fraction of up to three digits.
std::optional<int64_t> parseChapterTime(const std::string& text) {
  std::vector<std::string> parts;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, ':');) parts.push_back(part);
  if (parts.empty() || parts.size() > 3 || text.back() == ':') return std::nullopt;
  std::string& last = parts.back();
  const size_t dot = last.find('.');
  int64_t fractionMs = 0;
  if (dot != std::string::npos) {
    const std::string digits = last.substr(dot + 1);
    const auto f = number<int64_t>((digits + "00").substr(0, 3));
    if (!f || digits.size() > 3 || digits.empty()) return std::nullopt;
    fractionMs = *f;
    last.resize(dot);
  }
  // No film is a billion seconds long; a larger time is refused before
  // its milliseconds overflow.
  constexpr int64_t kMaxSeconds = 1'000'000'000;
  int64_t seconds = 0;
  for (const std::string& part : parts) {
    const auto n = number<int64_t>(part);
    if (!n || *n < 0 || *n > kMaxSeconds) return std::nullopt;
    seconds = seconds * 60 + *n;
    if (seconds > kMaxSeconds) return std::nullopt;
  }
  return seconds * 1000 + fractionMs;
}

MuxOptions parseMuxOptions(const std::string& words) {
  MuxOptions options;
  std::istringstream in(words);
  for (std::string word; in >> word;) {
    const size_t eq = word.find('=');
    const std::string name = word.substr(0, eq);
    const std::string value = eq == std::string::npos ? "" : word.substr(eq + 1);
    if (name == "--custom-chapters") options.customChaptersMs = chapterList(value);
    else if (name == "--auto-chapters") options.autoChapterMinutes = intOption(name, value, 1);
  }
  return options;
}

void applyTrackOption(TrackSpec& trackSpec, const std::string& name, const std::string& value, int lineNumber) {
  TextStyle& t = trackSpec.text;
  if (name == "track") trackSpec.track = intOption(name, value, lineNumber);
  else if (name == "timeshift") trackSpec.timeshiftMs = intOption(name, value.substr(0, value.find("ms")), lineNumber);
  else if (name == "down-to-ac3") trackSpec.downToAc3 = true;
  else if (name == "down-to-dts") trackSpec.downToDts = true;
  else if (name == "lang") trackSpec.language = value;
  else if (name == "fps") trackSpec.fps = value;
  else if (name == "font-name") t.fontName = value;
  else if (name == "font-size") t.fontSize = intOption(name, value, lineNumber);
  else if (name == "font-color") t.fontColor = colourOption(value, lineNumber);
  else if (name == "bottom-offset") t.bottomOffset = intOption(name, value, lineNumber);
  else if (name == "font-border") t.fontBorder = intOption(name, value, lineNumber);
  else if (name == "video-width") t.videoWidth = intOption(name, value, lineNumber);
  else if (name == "video-height") t.videoHeight = intOption(name, value, lineNumber);
}

}  // namespace tsmuxer
