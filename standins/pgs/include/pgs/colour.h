#pragma once
// Palette entries are Y'CbCr (BT.709, studio range) with alpha.

#include "pgs/image.h"
#include "pgs/segments_content.h"

namespace pgs {

Rgba toRgba(const PaletteEntry& e);
PaletteEntry toPaletteEntry(uint8_t index, const Rgba& c);

}  // namespace pgs
