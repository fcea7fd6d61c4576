#include "arguments.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace bdsup2sub {

namespace {

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

int lineCount(const std::string& value) {
  int n = -1;
  const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
  if (ec != std::errc() || end != value.data() + value.size() || n < 0)
    throw ArgumentError("bad value of /cropy: \"" + value + "\"");
  return n;
}

void applyOption(Arguments& a, const std::string& option) {
  const size_t colon = option.find(':');
  if (option.empty() || option[0] != '/' || colon == std::string::npos)
    throw ArgumentError("unknown argument \"" + option + "\"");
  const std::string name = lower(option.substr(1, colon - 1));
  const std::string value = lower(option.substr(colon + 1));
  if (name == "fps") {
    if (value != "keep") throw ArgumentError("only /fps:keep is supported");
  } else if (name == "cropy") {
    a.cropLines = lineCount(value);
  } else if (name == "res") {
    if (value != "720p" && value != "720") throw ArgumentError("only /res:720p is supported");
    a.to720p = true;
  } else if (name == "filter") {
    if (value != "lanczos3") throw ArgumentError("only /filter:lanczos3 is supported");
  } else {
    throw ArgumentError("unknown option \"" + option + "\"");
  }
}

}  // namespace

Arguments parseArguments(const std::vector<std::string>& args) {
  if (args.size() < 2) throw ArgumentError("usage: bdsup2sub400.jar <in.sup> <out.sup> /fps:keep [/cropy:N] [/res:720p]");
  Arguments a;
  a.input = args[0];
  a.output = args[1];
  for (size_t i = 2; i < args.size(); ++i) applyOption(a, args[i]);
  return a;
}

}  // namespace bdsup2sub
