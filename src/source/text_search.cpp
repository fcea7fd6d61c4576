#include "source/text_search.h"

#include <cctype>
#include <charconv>
#include <climits>

namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualNoCaseAt(std::string_view text, size_t at, std::string_view pattern) {
  for (size_t i = 0; i < pattern.size(); ++i)
    if (LowerAscii(text[at + i]) != LowerAscii(pattern[i])) return false;
  return true;
}

}  // namespace

size_t FindNoCase(std::string_view text, std::string_view pattern, size_t from) {
  if (pattern.size() > text.size()) return kNotFound;
  for (size_t at = from; at + pattern.size() <= text.size(); ++at)
    if (EqualNoCaseAt(text, at, pattern)) return at;
  return kNotFound;
}

size_t RFindNoCase(std::string_view text, std::string_view pattern) {
  if (pattern.size() > text.size()) return kNotFound;
  for (size_t at = text.size() - pattern.size() + 1; at-- > 0;)
    if (EqualNoCaseAt(text, at, pattern)) return at;
  return kNotFound;
}

int LeadingInt(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) return static_cast<int>(-value);
  return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

// Independent of the user's locale: tools write "23.976" everywhere.
double LeadingReal(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  double value = 0;
  std::from_chars(text.data() + i, text.data() + text.size(), value);
  return value;
}

std::string_view CutAt(std::string_view text, char c) { return text.substr(0, text.find(c)); }

std::vector<std::string_view> SplitTokens(std::string_view text, std::string_view separators) {
  std::vector<std::string_view> tokens;
  size_t start = text.find_first_not_of(separators);
  while (start != std::string_view::npos) {
    size_t end = text.find_first_of(separators, start);
    tokens.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    start = end == std::string_view::npos ? end : text.find_first_not_of(separators, end);
  }
  return tokens;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? end : end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return lines;
}
