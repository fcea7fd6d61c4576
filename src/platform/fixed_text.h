#pragma once
// Text in fixed-capacity fields of plain records: copied in without ever
// passing the capacity, always terminated, cut only between UTF-8
// characters; read out without ever reading past the field.

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// Length of the longest start of `text` that fits `maxBytes` without
// splitting a UTF-8 character.
size_t Utf8FitLength(std::string_view text, size_t maxBytes);

// Copies `text` into `field` of `capacity` bytes (terminator included).
// Returns false when the text had to be cut.
bool CopyFixed(char* field, size_t capacity, std::string_view text);

template <size_t N>
bool CopyFixed(char (&field)[N], std::string_view text) {
  return CopyFixed(field, N, text);
}

// True when `text` fits a field of `capacity` bytes whole.
inline bool FitsFixed(size_t capacity, std::string_view text) { return text.size() < capacity; }

// The text of a field, up to its terminator or its capacity.
template <size_t N>
std::string_view FixedView(const char (&field)[N]) {
  size_t length = 0;
  while (length < N && field[length] != '\0') ++length;
  return std::string_view(field, length);
}

template <size_t N>
std::string FixedText(const char (&field)[N]) {
  return std::string(FixedView(field));
}

}  // namespace platform
