#include "shell/font_table.h"

#include <cstdio>
#include <cstdlib>

#include "uir_ids.h"

namespace {

constexpr int kColumn = 1;
constexpr int kFaceRow = 1;
constexpr int kSizeRow = 2;
constexpr int kColorRow = 3;

}  // namespace

int ScreenColor(unsigned storedColor) {
  const unsigned red = storedColor & 0xFF, green = (storedColor >> 8) & 0xFF, blue = (storedColor >> 16) & 0xFF;
  return static_cast<int>(red << 16 | green << 8 | blue);
}

unsigned ParseColorText(const std::string& text) {
  return static_cast<unsigned>(std::strtoull(text.c_str(), nullptr, 16));
}

void ShowSubtitleFont(ui::Toolkit& ui, int panel, const ui::FontChoice& font) {
  char color[16];
  std::snprintf(color, sizeof color, "0x%08X", font.color);
  ui.SetTableCellVal(panel, PANEL_PREF_SUBS, kFaceRow, kColumn, font.face);
  ui.SetTableCellVal(panel, PANEL_PREF_SUBS, kSizeRow, kColumn, font.pointSize);
  ui.SetTableCellVal(panel, PANEL_PREF_SUBS, kColorRow, kColumn, std::string(color));
  ui.SetTableCellAttribute(panel, PANEL_PREF_SUBS, kColorRow, kColumn, ui::ATTR_TEXT_BGCOLOR,
                           ScreenColor(font.color));
}

ui::FontChoice ReadSubtitleFont(ui::Toolkit& ui, int panel) {
  ui::FontChoice font;
  font.face = ui::AsText(ui.GetTableCellVal(panel, PANEL_PREF_SUBS, kFaceRow, kColumn));
  font.pointSize = ui::AsInt(ui.GetTableCellVal(panel, PANEL_PREF_SUBS, kSizeRow, kColumn));
  font.color = ParseColorText(ui::AsText(ui.GetTableCellVal(panel, PANEL_PREF_SUBS, kColorRow, kColumn)));
  return font;
}
