#include "ui/column_stops.h"

#include <cctype>

namespace ui {

namespace {

constexpr char kEsc = '\033';

// Reads "p<digits>l" or "p<digits>r" after an ESC at `i`; on success moves
// `i` past it.
bool ReadStop(const std::string& label, size_t& i, int& x, bool& right) {
  size_t j = i + 1;
  if (j >= label.size() || label[j] != 'p') return false;
  ++j;
  size_t digits = j;
  while (j < label.size() && std::isdigit(static_cast<unsigned char>(label[j]))) ++j;
  if (j == digits || j >= label.size() || (label[j] != 'l' && label[j] != 'r')) return false;
  x = std::stoi(label.substr(digits, j - digits));
  right = label[j] == 'r';
  i = j + 1;
  return true;
}

}  // namespace

std::vector<LabelColumn> SplitColumnStops(const std::string& label) {
  std::vector<LabelColumn> columns(1);
  size_t i = 0;
  while (i < label.size()) {
    int x = 0;
    bool right = false;
    if (label[i] == kEsc && ReadStop(label, i, x, right)) {
      if (columns.back().text.empty() && columns.size() == 1) columns.pop_back();
      columns.push_back({x, right, ""});
    } else {
      columns.back().text += label[i++];
    }
  }
  return columns;
}

std::string PlainLabel(const std::string& label) {
  std::string plain;
  for (const auto& column : SplitColumnStops(label)) {
    if (!plain.empty()) plain += ' ';
    plain += column.text;
  }
  return plain;
}

}  // namespace ui
