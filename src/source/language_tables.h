#pragma once
// The language codes the track probe reports, turned into the forms the
// program shows and writes: two-letter codes (ISO 639-1) into three-letter
// codes (ISO 639-2/T), three-letter codes into English display names.

#include <cstddef>
#include <span>
#include <string_view>

struct LanguageRow {
  const char* code;   // lower case; matched exactly
  const char* value;  // three-letter code or display name
};

// The two tables, in their stored order.
std::span<const LanguageRow> TwoLetterCodeRows();
std::span<const LanguageRow> LanguageNameRows();

// Write the value of `code`'s row into the field; a code without a row
// (other letter case, unknown, empty) leaves the field exactly as it was.
// The code may be the field itself.
void LanguageName(std::string_view code, char* name, size_t capacity);
void LanguageCode3(std::string_view code, char* out, size_t capacity);

template <size_t N>
void LanguageName(std::string_view code, char (&name)[N]) {
  LanguageName(code, name, N);
}
template <size_t N>
void LanguageCode3(std::string_view code, char (&out)[N]) {
  LanguageCode3(code, out, N);
}
