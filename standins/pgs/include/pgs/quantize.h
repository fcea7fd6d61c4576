#pragma once

#include "pgs/image.h"

namespace pgs {

struct Quantized {
  std::vector<Rgba> palette;  // palette[0] is transparent; at most 256 entries
  IndexedBitmap bitmap;
};

// Fully transparent pixels become index 0; the others keep their colour
// when there are at most 255, else take the mean of their box in a median
// cut (weighted by pixel counts) into 255 boxes.
Quantized quantize(const RgbaImage& image);

}  // namespace pgs
