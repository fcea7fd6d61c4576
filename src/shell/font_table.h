#pragma once
// The subtitle font of the preferences dialog: the SUBS table holds the
// face (row 1), the size (row 2) and the colour (row 3, "0x%08X" with red
// in the lowest byte), the colour cell painted in that colour.

#include <string>

#include "ui/toolkit.h"

void ShowSubtitleFont(ui::Toolkit& ui, int panel, const ui::FontChoice& font);
ui::FontChoice ReadSubtitleFont(ui::Toolkit& ui, int panel);

// The stored colour (red in the lowest byte) as the toolkit paints it
// (0xRRGGBB).
int ScreenColor(unsigned storedColor);
// A hexadecimal colour text; 0 when it does not parse.
unsigned ParseColorText(const std::string& text);
