#pragma once
// Splits one line of the window definition into words: bare words,
// key=value words and double-quoted texts (\" and \\ escaped).

#include <string>
#include <vector>

namespace ui {

struct UirToken {
  std::string text;
  bool quoted = false;
};

// Returns false with a message when a quote is not closed.
bool TokenizeUirLine(const std::string& line, std::vector<UirToken>& out, std::string& error);

}  // namespace ui
