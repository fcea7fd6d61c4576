#include "srt_file.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <sstream>

#include "meta_file.h"

namespace tsmuxer {

namespace {

std::string trimmed(const std::string& s) {
  const size_t first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// "hh:mm:ss,mmm" (a dot works too) in milliseconds.
std::optional<int64_t> cueTime(std::string text) {
  std::replace(text.begin(), text.end(), ',', '.');
  if (std::count(text.begin(), text.end(), ':') != 2) return std::nullopt;
  return parseChapterTime(text);
}

// "start --> end", maybe followed by position words.
std::optional<std::pair<int64_t, int64_t>> timeLine(const std::string& line) {
  const size_t arrow = line.find("-->");
  if (arrow == std::string::npos) return std::nullopt;
  const std::string after = trimmed(line.substr(arrow + 3));
  const auto start = cueTime(trimmed(line.substr(0, arrow)));
  const auto end = cueTime(after.substr(0, after.find_first_of(" \t")));
  if (!start || !end) return std::nullopt;
  return std::make_pair(*start, *end);
}

std::string lowerCase(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

// The color="#rrggbb" of a font tag as the &Hbbggrr& of ASS; empty when absent.
std::string assColour(const std::string& tag) {
  const size_t hash = tag.find('#', tag.find("color"));
  if (tag.find("color") == std::string::npos || hash == std::string::npos || hash + 7 > tag.size()) return "";
  const std::string rgb = tag.substr(hash + 1, 6);
  if (!std::all_of(rgb.begin(), rgb.end(), [](unsigned char c) { return std::isxdigit(c); })) return "";
  return "&H" + rgb.substr(4, 2) + rgb.substr(2, 2) + rgb.substr(0, 2) + "&";
}

std::string overrideFor(const std::string& tag) {
  const std::string t = lowerCase(tag);
  for (const char* style : {"i", "b", "u", "s"}) {
    if (t == std::string("<") + style + ">") return std::string("{\\") + style + "1}";
    if (t == std::string("</") + style + ">") return std::string("{\\") + style + "0}";
  }
  if (t.rfind("<font", 0) == 0) {
    const std::string colour = assColour(t);
    return colour.empty() ? "" : "{\\c" + colour + "}";
  }
  if (t == "</font>") return "{\\c}";
  return "";
}

}  // namespace

std::vector<Cue> parseSrt(const std::string& input) {
  std::string text = input.rfind("\xEF\xBB\xBF", 0) == 0 ? input.substr(3) : input;
  text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
  std::vector<Cue> cues;
  std::istringstream in(text);
  std::optional<Cue> current;
  for (std::string line; std::getline(in, line);) {
    if (const auto times = timeLine(line)) {
      if (current && !current->text.empty()) cues.push_back(*current);
      current = Cue{times->first, times->second, ""};
    } else if (line.empty()) {
      if (current && !current->text.empty()) cues.push_back(*current);
      current.reset();
    } else if (current) {
      current->text += (current->text.empty() ? "" : "\n") + line;
    }
  }
  if (current && !current->text.empty()) cues.push_back(*current);
  std::erase_if(cues, [](const Cue& c) { return c.endMs <= c.startMs; });
  return cues;
}

std::string assMarkup(const std::string& srtText) {
  std::string out;
  for (size_t i = 0; i < srtText.size(); ++i) {
    const char c = srtText[i];
    const size_t close = c == '<' ? srtText.find('>', i) : std::string::npos;
    if (close != std::string::npos) {
      out += overrideFor(srtText.substr(i, close - i + 1));
      i = close;
    } else if (c == '\n') {
      out += "\\N";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace tsmuxer
