#pragma once
// Searching and cutting the texts tools and web pages give us. Letter case
// is ignored only for ASCII letters: every pattern searched is ASCII.

#include <string>
#include <string_view>
#include <vector>

constexpr size_t kNotFound = std::string_view::npos;

size_t FindNoCase(std::string_view text, std::string_view pattern, size_t from = 0);
size_t RFindNoCase(std::string_view text, std::string_view pattern);
inline bool ContainsNoCase(std::string_view text, std::string_view pattern) {
  return FindNoCase(text, pattern) != kNotFound;
}

// The leading decimal integer of a text as C's atoi reads it (blanks, a
// sign, digits), held within the int range; 0 when there is none.
int LeadingInt(std::string_view text);
// The leading number of a text read as a real (0 when there is none).
double LeadingReal(std::string_view text);

// The text before the first `c` (all of it when `c` does not occur).
std::string_view CutAt(std::string_view text, char c);

// The non-empty pieces between any of the `separators`.
std::vector<std::string_view> SplitTokens(std::string_view text, std::string_view separators);

// Lines of a text: "\r\n" and "\n" both end a line.
std::vector<std::string_view> SplitLines(std::string_view text);
