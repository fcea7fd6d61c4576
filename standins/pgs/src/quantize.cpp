#include "pgs/quantize.h"

#include <algorithm>
#include <array>
#include <limits>
#include <unordered_map>

namespace pgs {

namespace {

constexpr size_t kColours = 255;  // index 0 stays transparent

uint32_t pack(const Rgba& c) { return uint32_t(c.r) << 24 | c.g << 16 | c.b << 8 | c.a; }

uint8_t channel(const Rgba& c, int k) { return k == 0 ? c.r : k == 1 ? c.g : k == 2 ? c.b : c.a; }

struct Weighted {
  Rgba colour;
  uint64_t count;
};

using Box = std::vector<Weighted>;

int widestChannel(const Box& box, int& range) {
  int best = 0;
  range = -1;
  for (int k = 0; k < 4; ++k) {
    int lo = 255, hi = 0;
    for (const Weighted& w : box) {
      lo = std::min<int>(lo, channel(w.colour, k));
      hi = std::max<int>(hi, channel(w.colour, k));
    }
    if (hi - lo > range) {
      range = hi - lo;
      best = k;
    }
  }
  return best;
}

// Splits at the pixel-weighted median of the widest channel.
std::pair<Box, Box> split(Box box) {
  int range = 0;
  const int k = widestChannel(box, range);
  std::sort(box.begin(), box.end(), [k](auto& a, auto& b) { return channel(a.colour, k) < channel(b.colour, k); });
  uint64_t total = 0, running = 0;
  for (const Weighted& w : box) total += w.count;
  size_t cut = 1;
  for (; cut < box.size() - 1; ++cut) {
    running += box[cut - 1].count;
    if (running * 2 >= total) break;
  }
  return {Box(box.begin(), box.begin() + static_cast<long>(cut)), Box(box.begin() + static_cast<long>(cut), box.end())};
}

Rgba mean(const Box& box) {
  std::array<uint64_t, 4> sum{};
  uint64_t total = 0;
  for (const Weighted& w : box) {
    for (int k = 0; k < 4; ++k) sum[k] += channel(w.colour, k) * w.count;
    total += w.count;
  }
  auto avg = [&](int k) { return static_cast<uint8_t>((sum[k] + total / 2) / total); };
  return {avg(0), avg(1), avg(2), avg(3)};
}

std::vector<Rgba> medianCut(const Box& all) {
  std::vector<Box> boxes = {all};
  while (boxes.size() < kColours) {
    auto widest = boxes.end();
    int widestRange = 0;
    for (auto it = boxes.begin(); it != boxes.end(); ++it) {
      int range = 0;
      widestChannel(*it, range);
      if (it->size() > 1 && range > widestRange) {
        widestRange = range;
        widest = it;
      }
    }
    if (widest == boxes.end()) break;
    auto [a, b] = split(std::move(*widest));
    *widest = std::move(a);
    boxes.push_back(std::move(b));
  }
  std::vector<Rgba> palette;
  for (const Box& b : boxes) palette.push_back(mean(b));
  return palette;
}

uint8_t nearest(const std::vector<Rgba>& palette, const Rgba& c) {
  uint8_t best = 1;
  int bestDistance = std::numeric_limits<int>::max();
  for (size_t i = 1; i < palette.size(); ++i) {
    int d = 0;
    for (int k = 0; k < 4; ++k) {
      const int diff = channel(palette[i], k) - channel(c, k);
      d += diff * diff;
    }
    if (d < bestDistance) {
      bestDistance = d;
      best = static_cast<uint8_t>(i);
    }
  }
  return best;
}

}  // namespace

Quantized quantize(const RgbaImage& image) {
  std::unordered_map<uint32_t, Weighted> histogram;
  for (const Rgba& c : image.pixels)
    if (c.a != 0) histogram.try_emplace(pack(c), Weighted{c, 0}).first->second.count++;
  Box all;
  for (const auto& [key, w] : histogram) all.push_back(w);
  std::sort(all.begin(), all.end(), [](auto& a, auto& b) { return pack(a.colour) < pack(b.colour); });

  Quantized q;
  q.palette = {Rgba{}};
  if (all.size() <= kColours) {
    for (const Weighted& w : all) q.palette.push_back(w.colour);
  } else {
    const std::vector<Rgba> cut = medianCut(all);
    q.palette.insert(q.palette.end(), cut.begin(), cut.end());
  }
  std::unordered_map<uint32_t, uint8_t> index;
  for (const Weighted& w : all) index[pack(w.colour)] = nearest(q.palette, w.colour);
  q.bitmap = {image.width, image.height, std::vector<uint8_t>(image.pixels.size(), 0)};
  for (size_t i = 0; i < image.pixels.size(); ++i)
    if (image.pixels[i].a != 0) q.bitmap.pixels[i] = index.at(pack(image.pixels[i]));
  return q;
}

}  // namespace pgs
