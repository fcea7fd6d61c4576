#include "sup_bytes.h"

#include <fstream>
#include <iterator>

namespace {

void put16(Bytes& b, uint32_t v) {
  b.push_back(static_cast<uint8_t>(v >> 8));
  b.push_back(static_cast<uint8_t>(v));
}

uint16_t get16(const uint8_t* p) { return static_cast<uint16_t>(p[0] << 8 | p[1]); }

}  // namespace

void SupBytes::segment(uint32_t pts, uint8_t type, const Bytes& payload) {
  data.insert(data.end(), {'P', 'G'});
  put16(data, pts >> 16);
  put16(data, pts);
  data.insert(data.end(), {0, 0, 0, 0, type});
  put16(data, static_cast<uint32_t>(payload.size()));
  data.insert(data.end(), payload.begin(), payload.end());
}

void SupBytes::presentation(uint32_t pts, uint16_t number, uint8_t state, const std::vector<ShownObject>& objects,
                            uint16_t videoHeight) {
  Bytes p;
  put16(p, 1920);
  put16(p, videoHeight);
  p.push_back(0x10);
  put16(p, number);
  p.insert(p.end(), {state, 0, 0, static_cast<uint8_t>(objects.size())});
  for (const ShownObject& o : objects) {
    put16(p, o.id);
    p.insert(p.end(), {0, static_cast<uint8_t>(o.forced ? 0x40 : 0)});
    put16(p, o.x);
    put16(p, o.y);
  }
  segment(pts, 0x16, p);
}

void SupBytes::window(uint32_t pts, uint16_t x, uint16_t y, uint16_t w, uint16_t h) {
  Bytes p = {1, 0};
  for (uint16_t v : {x, y, w, h}) put16(p, v);
  segment(pts, 0x17, p);
}

void SupBytes::palette(uint32_t pts, const std::vector<std::vector<uint8_t>>& entries) {
  Bytes p = {0, 0};
  for (const auto& e : entries) p.insert(p.end(), e.begin(), e.end());
  segment(pts, 0x14, p);
}

void SupBytes::solidObject(uint32_t pts, uint16_t id, uint16_t w, uint16_t h, uint8_t colour) {
  Bytes rle;
  for (int y = 0; y < h; ++y)
    rle.insert(rle.end(), {0, static_cast<uint8_t>(0xc0 | w >> 8), static_cast<uint8_t>(w), colour, 0, 0});
  Bytes p;
  put16(p, id);
  p.insert(p.end(), {0, 0xc0});
  const uint32_t length = static_cast<uint32_t>(rle.size()) + 4;
  p.insert(p.end(), {static_cast<uint8_t>(length >> 16), static_cast<uint8_t>(length >> 8), static_cast<uint8_t>(length)});
  put16(p, w);
  put16(p, h);
  p.insert(p.end(), rle.begin(), rle.end());
  segment(pts, 0x15, p);
}

void SupBytes::end(uint32_t pts) { segment(pts, 0x80, {}); }

void SupBytes::caption(uint32_t start, uint32_t stop, uint16_t x, uint16_t y, uint16_t w, uint16_t h, bool forced,
                       uint16_t videoHeight) {
  presentation(start, 0, 0x80, {{0, forced, x, y}}, videoHeight);
  window(start, x, y, w, h);
  palette(start, {{1, 235, 128, 128, 255}, {2, 16, 128, 128, 255}});
  solidObject(start, 0, w, h, 1);
  end(start);
  presentation(stop, 1, 0x00, {}, videoHeight);
  window(stop, x, y, w, h);
  end(stop);
}

std::vector<ShownCaption> readCompositions(const Bytes& file) {
  std::vector<ShownCaption> shown;
  for (size_t at = 0; at + 13 <= file.size();) {
    const uint8_t* h = file.data() + at;
    const uint8_t* p = h + 13;
    const uint32_t pts = uint32_t(get16(h + 2)) << 16 | get16(h + 4);
    if (h[10] == 0x16) {
      const bool hasObject = p[10] > 0;
      shown.push_back({pts, get16(p), get16(p + 2), p[7], hasObject && (p[14] & 0x40),
                       static_cast<uint16_t>(hasObject ? get16(p + 15) : 0),
                       static_cast<uint16_t>(hasObject ? get16(p + 17) : 0), 0, 0});
    } else if (h[10] == 0x15 && (p[3] & 0x80) && !shown.empty()) {
      shown.back().width = get16(p + 7);
      shown.back().height = get16(p + 9);
    }
    at += 13 + get16(h + 11);
  }
  return shown;
}

Bytes readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void writeFile(const std::string& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}
