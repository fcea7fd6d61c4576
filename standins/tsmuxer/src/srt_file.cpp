#include "srt_file.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <regex>
#include <sstream>

namespace tsmuxer {

namespace {

std::optional<std::pair<int64_t, int64_t>> timeLine(const std::string& line) {
  static const std::regex pattern(R"(^\s*(\d+):(\d{1,2}):(\d{1,2})[,.](\d{1,3})\s*-->\s*(\d+):(\d{1,2}):(\d{1,2})[,.](\d{1,3}))");
  std::smatch m;
  if (!std::regex_search(line, m, pattern)) return std::nullopt;
  auto ms = [&](int first) {
    const std::string fraction = (m[first + 3].str() + "00").substr(0, 3);
    return ((std::stoll(m[first]) * 60 + std::stoll(m[first + 1])) * 60 + std::stoll(m[first + 2])) * 1000 +
           std::stoll(fraction);
  };
  return std::make_pair(ms(1), ms(5));
}

std::string lowerCase(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

// "#rrggbb" to the &Hbbggrr& of ASS; empty when it is not that form.
std::string assColour(const std::string& tag) {
  static const std::regex pattern(R"(color\s*=\s*"?#([0-9a-f]{2})([0-9a-f]{2})([0-9a-f]{2}))");
  std::smatch m;
  if (!std::regex_search(tag, m, pattern)) return "";
  return "&H" + m[3].str() + m[2].str() + m[1].str() + "&";
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
