#include "pgs/colour.h"

#include <algorithm>
#include <cmath>

namespace pgs {

namespace {

constexpr double kKr = 0.2126, kKb = 0.0722, kKg = 1 - kKr - kKb;

uint8_t clampByte(double v) { return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

}  // namespace

Rgba toRgba(const PaletteEntry& e) {
  const double y = (e.y - 16) / 219.0;
  const double cb = (e.cb - 128) / 224.0;
  const double cr = (e.cr - 128) / 224.0;
  const double r = y + 2 * (1 - kKr) * cr;
  const double b = y + 2 * (1 - kKb) * cb;
  const double g = (y - kKr * r - kKb * b) / kKg;
  return {clampByte(r * 255), clampByte(g * 255), clampByte(b * 255), e.alpha};
}

PaletteEntry toPaletteEntry(uint8_t index, const Rgba& c) {
  const double r = c.r / 255.0, g = c.g / 255.0, b = c.b / 255.0;
  const double y = kKr * r + kKg * g + kKb * b;
  const double cb = (b - y) / (2 * (1 - kKb));
  const double cr = (r - y) / (2 * (1 - kKr));
  return {index, clampByte(16 + 219 * y), clampByte(128 + 224 * cr), clampByte(128 + 224 * cb), c.a};
}

}  // namespace pgs
