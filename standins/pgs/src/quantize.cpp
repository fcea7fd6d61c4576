#include "pgs/quantize.h"

#include <algorithm>
#include <array>
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

// A box of colours and its widest channel, kept so each cut only measures
// the two new boxes.
struct CutBox {
  Box colours;
  int channel = 0;
  int range = 0;
};

CutBox measured(Box colours) {
  CutBox box{std::move(colours), 0, -1};
  for (int k = 0; k < 4; ++k) {
    int lo = 255, hi = 0;
    for (const Weighted& w : box.colours) {
      lo = std::min<int>(lo, channel(w.colour, k));
      hi = std::max<int>(hi, channel(w.colour, k));
    }
    if (hi - lo > box.range) {
      box.range = hi - lo;
      box.channel = k;
    }
  }
  return box;
}

// Splits at the pixel-weighted median of the widest channel.
std::pair<Box, Box> split(Box box, int k) {
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

// Cuts the widest box in two until there are kColours boxes.
std::vector<Box> medianCut(Box all) {
  std::vector<CutBox> boxes;
  boxes.push_back(measured(std::move(all)));
  while (boxes.size() < kColours) {
    const auto widest = std::max_element(boxes.begin(), boxes.end(), [](const CutBox& a, const CutBox& b) {
      return (a.colours.size() > 1 ? a.range : -1) < (b.colours.size() > 1 ? b.range : -1);
    });
    if (widest->colours.size() < 2) break;
    auto [low, high] = split(std::move(widest->colours), widest->channel);
    *widest = measured(std::move(low));
    boxes.push_back(measured(std::move(high)));
  }
  std::vector<Box> out;
  for (CutBox& b : boxes) out.push_back(std::move(b.colours));
  return out;
}

}  // namespace

Quantized quantize(const RgbaImage& image) {
  std::unordered_map<uint32_t, Weighted> histogram;
  for (const Rgba& c : image.pixels)
    if (c.a != 0) histogram.try_emplace(pack(c), Weighted{c, 0}).first->second.count++;
  Box all;
  for (const auto& [key, w] : histogram) all.push_back(w);
  std::sort(all.begin(), all.end(), [](auto& a, auto& b) { return pack(a.colour) < pack(b.colour); });

  // Each group of colours becomes one palette entry: a single colour when
  // there are few enough, else a median-cut box and its mean.
  std::vector<Box> groups;
  if (all.size() <= kColours) {
    for (const Weighted& w : all) groups.push_back({w});
  } else {
    groups = medianCut(std::move(all));
  }
  Quantized q;
  q.palette = {Rgba{}};
  std::unordered_map<uint32_t, uint8_t> index;
  for (const Box& group : groups) {
    q.palette.push_back(mean(group));
    for (const Weighted& w : group) index[pack(w.colour)] = static_cast<uint8_t>(q.palette.size() - 1);
  }
  q.bitmap = {image.width, image.height, std::vector<uint8_t>(image.pixels.size(), 0)};
  for (size_t i = 0; i < image.pixels.size(); ++i)
    if (image.pixels[i].a != 0) q.bitmap.pixels[i] = index.at(pack(image.pixels[i]));
  return q;
}

}  // namespace pgs
