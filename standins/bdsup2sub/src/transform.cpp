#include "transform.h"

#include <algorithm>
#include <cmath>

#include "pgs/lanczos.h"

namespace bdsup2sub {

namespace {

pgs::RgbaImage topRows(const pgs::RgbaImage& image, int rows) {
  pgs::RgbaImage out(image.width, rows);
  std::copy_n(image.pixels.begin(), size_t(image.width) * rows, out.pixels.begin());
  return out;
}

int scaled(int v, double factor) { return static_cast<int>(std::lround(v * factor)); }

}  // namespace

void cropCaptions(pgs::CaptionStream& stream, int lines) {
  const int height = stream.videoHeight - 2 * lines;
  if (height <= 0) throw TransformError("crop of " + std::to_string(lines) + " lines leaves no picture");
  stream.videoHeight = static_cast<uint16_t>(height);
  for (pgs::Caption& c : stream.captions) {
    if (c.image.height > height) c.image = topRows(c.image, height);
    c.y = std::clamp(c.y - lines, 0, height - c.image.height);
  }
}

void resizeCaptions(pgs::CaptionStream& stream, int width, int height) {
  const double fx = double(width) / stream.videoWidth;
  const double fy = double(height) / stream.videoHeight;
  stream.videoWidth = static_cast<uint16_t>(width);
  stream.videoHeight = static_cast<uint16_t>(height);
  for (pgs::Caption& c : stream.captions) {
    const int w = std::clamp(scaled(c.image.width, fx), 1, width);
    const int h = std::clamp(scaled(c.image.height, fy), 1, height);
    if (w != c.image.width || h != c.image.height) c.image = pgs::scaleLanczos3(c.image, w, h);
    c.x = std::clamp(scaled(c.x, fx), 0, width - w);
    c.y = std::clamp(scaled(c.y, fy), 0, height - h);
  }
}

}  // namespace bdsup2sub
