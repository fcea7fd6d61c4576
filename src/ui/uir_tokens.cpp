#include "ui/uir_tokens.h"

#include <cctype>

namespace ui {

namespace {

bool ReadQuoted(const std::string& line, size_t& i, std::string& out) {
  for (++i; i < line.size(); ++i) {
    char c = line[i];
    if (c == '"') {
      ++i;
      return true;
    }
    if (c == '\\' && i + 1 < line.size()) c = line[++i];
    out += c;
  }
  return false;
}

}  // namespace

bool TokenizeUirLine(const std::string& line, std::vector<UirToken>& out, std::string& error) {
  out.clear();
  size_t i = 0;
  while (i < line.size()) {
    unsigned char c = static_cast<unsigned char>(line[i]);
    if (std::isspace(c)) {
      ++i;
    } else if (c == '#') {
      break;
    } else if (c == '"') {
      UirToken token{"", true};
      if (!ReadQuoted(line, i, token.text)) {
        error = "unterminated quoted text";
        return false;
      }
      out.push_back(std::move(token));
    } else {
      UirToken token;
      while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) {
        if (line[i] == '"') {  // key="quoted value"
          if (!ReadQuoted(line, i, token.text)) {
            error = "unterminated quoted text";
            return false;
          }
          continue;
        }
        token.text += line[i++];
      }
      out.push_back(std::move(token));
    }
  }
  return true;
}

}  // namespace ui
