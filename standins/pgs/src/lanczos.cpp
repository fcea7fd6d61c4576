#include "pgs/lanczos.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace pgs {

namespace {

constexpr double kLobes = 3;
constexpr double kPi = 3.14159265358979323846;

using Pixel = std::array<double, 4>;  // premultiplied r, g, b and alpha

double lanczos(double x) {
  x = std::fabs(x);
  if (x < 1e-9) return 1;
  if (x >= kLobes) return 0;
  const double px = kPi * x;
  return kLobes * std::sin(px) * std::sin(px / kLobes) / (px * px);
}

struct Tap {
  int first = 0;
  std::vector<double> weights;
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
    for (int s = first; s <= last; ++s) {
      t.weights.push_back(lanczos((s - centre) * stretch));
      sum += t.weights.back();
    }
    for (double& w : t.weights) w /= sum;
  }
  return out;
}

std::vector<Pixel> premultiplied(const RgbaImage& image) {
  std::vector<Pixel> out(image.pixels.size());
  for (size_t i = 0; i < out.size(); ++i) {
    const Rgba& c = image.pixels[i];
    const double a = c.a / 255.0;
    out[i] = {c.r * a, c.g * a, c.b * a, double(c.a)};
  }
  return out;
}

// One pass along rows (step 1) or columns (step = width) of a plane.
std::vector<Pixel> pass(const std::vector<Pixel>& in, int lines, int inLength, int outLength, bool alongRows) {
  const std::vector<Tap> t = taps(inLength, outLength);
  std::vector<Pixel> out(size_t(lines) * outLength);
  for (int line = 0; line < lines; ++line) {
    for (int i = 0; i < outLength; ++i) {
      Pixel sum{};
      for (size_t k = 0; k < t[i].weights.size(); ++k) {
        const int s = t[i].first + int(k);
        const Pixel& p = alongRows ? in[size_t(line) * inLength + s] : in[size_t(s) * lines + line];
        for (int c = 0; c < 4; ++c) sum[c] += p[c] * t[i].weights[k];
      }
      (alongRows ? out[size_t(line) * outLength + i] : out[size_t(i) * lines + line]) = sum;
    }
  }
  return out;
}

uint8_t toByte(double v) { return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

}  // namespace

RgbaImage scaleLanczos3(const RgbaImage& image, int width, int height) {
  RgbaImage out(width, height);
  if (image.width == 0 || image.height == 0 || width == 0 || height == 0) return out;
  const std::vector<Pixel> rows = pass(premultiplied(image), image.height, image.width, width, true);
  const std::vector<Pixel> both = pass(rows, width, image.height, height, false);
  for (size_t i = 0; i < both.size(); ++i) {
    const double a = std::clamp(both[i][3], 0.0, 255.0);
    const double unmultiply = a >= 0.5 ? 255.0 / a : 0;
    out.pixels[i] = {toByte(both[i][0] * unmultiply), toByte(both[i][1] * unmultiply),
                     toByte(both[i][2] * unmultiply), toByte(a)};
  }
  return out;
}

}  // namespace pgs
