#include "source/html_entities.h"

#include <cctype>
#include <string_view>

namespace {

struct Reference {
  long value = 0;
  size_t length = 0;  // characters it takes in the text; 0 when it is none
};

// A numeric reference at `at` ("&#" seen): digits and the closing ";".
Reference ReadReference(std::string_view text, size_t at) {
  size_t i = at + 2;
  const bool hex = i < text.size() && (text[i] == 'x' || text[i] == 'X');
  if (hex) ++i;
  const size_t digitsStart = i;
  long value = 0;
  for (; i < text.size() && (hex ? std::isxdigit(static_cast<unsigned char>(text[i]))
                                  : std::isdigit(static_cast<unsigned char>(text[i])));
       ++i) {
    const int digit = std::isdigit(static_cast<unsigned char>(text[i]))
                          ? text[i] - '0'
                          : std::tolower(static_cast<unsigned char>(text[i])) - 'a' + 10;
    if (value < 0x110000) value = value * (hex ? 16 : 10) + digit;
  }
  if (i == digitsStart || i >= text.size() || text[i] != ';') return {};
  return {value, i + 1 - at};
}

bool OneOf(long value, std::initializer_list<long> values) {
  for (long v : values)
    if (v == value) return true;
  return false;
}

std::string_view CharacterOf(long value) {
  if (value == 38) return "&";
  if (value == 39) return "'";
  if (value == 176 || value == 186) return "0";
  if (value == 178) return "2";
  if (value == 179) return "3";
  if (value == 185) return "1";
  if (value == 183) return "\u00B7";
  if (OneOf(value, {192, 193, 224, 225, 228})) return "a";
  if (OneOf(value, {200, 201, 232, 233, 235})) return "e";
  if (OneOf(value, {204, 205, 236, 237, 238, 239})) return "i";
  if (OneOf(value, {210, 211, 242, 243, 246})) return "o";
  if (OneOf(value, {217, 218, 249, 250, 252})) return "u";
  if (value == 199 || value == 231) return "\u00E7";
  if (value == 209 || value == 241) return "\u00F1";
  return "_";
}

char FileNameSafe(char c) {
  switch (c) {
    case '\\': case '/': case '*': case '"': case '<': case '>': case '?': return ' ';
    case '|': return '-';
    case ':': return '.';
    default: return c;
  }
}

}  // namespace

void DecodeHtmlEntities(std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    if (text.compare(i, 2, "&#") == 0) {
      const Reference ref = ReadReference(text, i);
      if (ref.length > 0) {
        out += CharacterOf(ref.value);
        i += ref.length;
        continue;
      }
    }
    out += FileNameSafe(text[i++]);
  }
  text = std::move(out);
}
