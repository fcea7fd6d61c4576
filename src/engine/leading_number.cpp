#include "engine/leading_number.h"

#include <charconv>

namespace {

std::string_view SkipBlanks(std::string_view text) {
  size_t start = 0;
  while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
  text.remove_prefix(start);
  if (!text.empty() && text[0] == '+') text.remove_prefix(1);
  return text;
}

}  // namespace

double LeadingDecimal(std::string_view text) {
  text = SkipBlanks(text);
  double value = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  return value;
}

long LeadingInteger(std::string_view text) {
  text = SkipBlanks(text);
  long value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}
