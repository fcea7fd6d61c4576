#include "pgs/lanczos.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace pgs {

namespace {

constexpr double kLobes = 3;
constexpr double kPi = 3.14159265358979323846;

using Pixel = std::array<float, 4>;  // premultiplied r, g, b and alpha

double lanczos(double x) {
  x = std::fabs(x);
  if (x < 1e-9) return 1;
  if (x >= kLobes) return 0;
  const double px = kPi * x;
  return kLobes * std::sin(px) * std::sin(px / kLobes) / (px * px);
}

struct Tap {
  int first = 0;
  std::vector<float> weights;
};

// For each output position, the source samples it draws on and their
// normalised weights.
std::vector<Tap> taps(int from, int to) {
  const double scale = double(to) / from;
  const double support = scale < 1 ? kLobes / scale : kLobes;
  const double stretch = scale < 1 ? scale : 1;
  std::vector<Tap> out(to);
  for (int i = 0; i < to; ++i) {
    const double centre = (i + 0.5) / scale - 0.5;
    const int first = std::max(0, int(std::floor(centre - support)));
    const int last = std::min(from - 1, int(std::ceil(centre + support)));
    Tap& t = out[i];
    t.first = first;
    double sum = 0;
    for (int s = first; s <= last; ++s) sum += lanczos((s - centre) * stretch);
    for (int s = first; s <= last; ++s) t.weights.push_back(static_cast<float>(lanczos((s - centre) * stretch) / sum));
  }
  return out;
}

std::vector<Pixel> premultiplied(const RgbaImage& image) {
  std::vector<Pixel> out(image.pixels.size());
  for (size_t i = 0; i < out.size(); ++i) {
    const Rgba& c = image.pixels[i];
    const float a = c.a / 255.0f;
    out[i] = {c.r * a, c.g * a, c.b * a, float(c.a)};
  }
  return out;
}

// Both passes run along memory: the horizontal one sums neighbours within a
// row, the vertical one sums whole rows.
std::vector<Pixel> horizontal(const std::vector<Pixel>& in, int width, int height, int outWidth) {
  const std::vector<Tap> t = taps(width, outWidth);
  std::vector<Pixel> out(size_t(height) * outWidth);
  for (int y = 0; y < height; ++y) {
    const Pixel* row = in.data() + size_t(y) * width;
    Pixel* target = out.data() + size_t(y) * outWidth;
    for (int x = 0; x < outWidth; ++x)
      for (size_t k = 0; k < t[x].weights.size(); ++k)
        for (int c = 0; c < 4; ++c) target[x][c] += row[t[x].first + k][c] * t[x].weights[k];
  }
  return out;
}

std::vector<Pixel> vertical(const std::vector<Pixel>& in, int width, int height, int outHeight) {
  const std::vector<Tap> t = taps(height, outHeight);
  std::vector<Pixel> out(size_t(outHeight) * width);
  for (int y = 0; y < outHeight; ++y) {
    Pixel* target = out.data() + size_t(y) * width;
    for (size_t k = 0; k < t[y].weights.size(); ++k) {
      const Pixel* row = in.data() + size_t(t[y].first + k) * width;
      const float w = t[y].weights[k];
      for (int x = 0; x < width; ++x)
        for (int c = 0; c < 4; ++c) target[x][c] += row[x][c] * w;
    }
  }
  return out;
}

uint8_t toByte(double v) { return static_cast<uint8_t>(std::clamp(v + 0.5, 0.0, 255.0)); }

}  // namespace

RgbaImage scaleLanczos3(const RgbaImage& image, int width, int height) {
  RgbaImage out(width, height);
  if (image.width == 0 || image.height == 0 || width == 0 || height == 0) return out;
  const std::vector<Pixel> rows = horizontal(premultiplied(image), image.width, image.height, width);
  const std::vector<Pixel> both = vertical(rows, width, image.height, height);
  for (size_t i = 0; i < both.size(); ++i) {
    const double a = std::clamp(double(both[i][3]), 0.0, 255.0);
    const double unmultiply = a >= 0.5 ? 255.0 / a : 0;
    out.pixels[i] = {toByte(both[i][0] * unmultiply), toByte(both[i][1] * unmultiply),
                     toByte(both[i][2] * unmultiply), toByte(a)};
  }
  return out;
}

}  // namespace pgs
