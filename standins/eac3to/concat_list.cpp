#include "concat_list.h"

#include <cstdio>

namespace eac3to {
namespace {

// Single quotes close and reopen around an escaped quote.
std::string Quoted(const std::string& path) {
  std::string text = "'";
  for (char c : path) text += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return text + "'";
}

std::string Seconds(std::int64_t ticks90k) {
  char text[40];
  std::snprintf(text, sizeof text, "%lld.%05lld", static_cast<long long>(ticks90k / 90000),
                static_cast<long long>(ticks90k % 90000 * 100000 / 90000));
  return text;
}

}  // namespace

bool NeedsConcatList(const std::vector<InputPart>& parts) {
  return parts.size() > 1 || (parts.size() == 1 && (parts[0].inTime || parts[0].outTime));
}

std::string ConcatList(const std::vector<InputPart>& parts) {
  std::string text = "ffconcat version 1.0\n";
  for (const auto& part : parts) {
    text += "file " + Quoted(part.file.string()) + "\n";
    if (part.inTime) text += "inpoint " + Seconds(*part.inTime) + "\n";
    if (part.outTime) text += "outpoint " + Seconds(*part.outTime) + "\n";
  }
  return text;
}

}  // namespace eac3to
