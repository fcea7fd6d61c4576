#pragma once

#include "pgs/image.h"

namespace pgs {

struct Quantized {
  std::vector<Rgba> palette;  // palette[0] is transparent; at most 256 entries
  IndexedBitmap bitmap;
};

// Fully transparent pixels become index 0; the others take the nearest of
// at most 255 colours (all of them when there are no more; a median cut
// weighted by pixel counts otherwise).
Quantized quantize(const RgbaImage& image);

}  // namespace pgs
