#include "source/language_tables.h"

#include <string>

#include "platform/fixed_text.h"

namespace {

void CopyMatches(std::span<const LanguageRow> rows, std::string_view code, char* field,
                 size_t capacity) {
  const std::string wanted(code);  // the field may change under the view
  if (wanted.empty() || wanted[0] < 'a' || wanted[0] > 'z') return;
  for (const auto& row : rows)
    if (wanted == row.code) platform::CopyFixed(field, capacity, row.value);
}

}  // namespace

void LanguageName(std::string_view code, char* name, size_t capacity) {
  CopyMatches(LanguageNameRows(), code, name, capacity);
}

void LanguageCode3(std::string_view code, char* out, size_t capacity) {
  CopyMatches(TwoLetterCodeRows(), code, out, capacity);
}
