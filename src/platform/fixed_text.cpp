#include "platform/fixed_text.h"

#include <cstring>

namespace platform {

size_t Utf8FitLength(std::string_view text, size_t maxBytes) {
  if (text.size() <= maxBytes) return text.size();
  size_t length = maxBytes;
  // Step back over continuation bytes (10xxxxxx) to the start of the
  // character that would be split.
  while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
  return length;
}

bool CopyFixed(char* field, size_t capacity, std::string_view text) {
  if (capacity == 0) return text.empty();
  size_t length = Utf8FitLength(text, capacity - 1);
  std::memcpy(field, text.data(), length);
  field[length] = '\0';
  return length == text.size();
}

}  // namespace platform
