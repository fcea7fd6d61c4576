#pragma once
// List labels may hold column stops: ESC "p", a pixel count, then "l"
// (the text that follows starts there) or "r" (it ends there).

#include <string>
#include <vector>

namespace ui {

struct LabelColumn {
  int x = 0;             // pixels from the item's left edge
  bool rightAligned = false;
  std::string text;
};

// The label cut at its stops; text before the first stop starts at 0.
// A malformed stop is kept as text.
std::vector<LabelColumn> SplitColumnStops(const std::string& label);

// The label without its stops, the columns separated by blanks.
std::string PlainLabel(const std::string& label);

}  // namespace ui
