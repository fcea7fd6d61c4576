#pragma once
// Bitmaps of subtitle pictures: palette indexes as PGS codes them, and
// straight (not premultiplied) RGBA for drawing and scaling.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pgs {

struct IndexedBitmap {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;  // row by row
};

struct Rgba {
  uint8_t r = 0, g = 0, b = 0, a = 0;
  bool operator==(const Rgba&) const = default;
};

struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<Rgba> pixels;  // row by row

  RgbaImage() = default;
  RgbaImage(int w, int h) : width(w), height(h), pixels(size_t(w) * h) {}
  Rgba& at(int x, int y) { return pixels[size_t(y) * width + x]; }
  const Rgba& at(int x, int y) const { return pixels[size_t(y) * width + x]; }
  bool operator==(const RgbaImage&) const = default;
};

}  // namespace pgs
