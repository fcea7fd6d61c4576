#include "platform/url_encode.h"

#include <cstring>

namespace platform {

std::string UrlEncodeQuery(const std::string& text) {
  if (text.size() > 999) return text;
  static const char kReserved[] = "%*!+'();,:&=$/?#[]@";
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size() * 3);
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == ' ') {
      out += '+';
    } else if (byte > 0x7F || (byte && std::strchr(kReserved, c))) {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace platform
