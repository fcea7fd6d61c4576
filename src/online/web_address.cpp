#include "online/web_address.h"

#include <algorithm>
#include <cctype>

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(),
                    [](char lower, char c) { return std::tolower(static_cast<unsigned char>(c)) == lower; });
}

bool IsPlain(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte > ' ' && byte != 0x7F;
}

}  // namespace

bool IsWebAddress(std::string_view text) {
  size_t rest = 0;
  if (StartsWithNoCase(text, "http://")) rest = 7;
  else if (StartsWithNoCase(text, "https://")) rest = 8;
  else return false;
  if (rest == text.size() || text.find_first_of("/?#", rest) == rest) return false;  // no host
  return std::all_of(text.begin(), text.end(), IsPlain);
}
