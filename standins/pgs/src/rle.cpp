#include "pgs/rle.h"

#include <stdexcept>

namespace pgs {

namespace {

constexpr int kMaxRun = 0x3fff;

void encodeRun(std::vector<uint8_t>& out, uint8_t colour, int length) {
  if (colour != 0 && length <= 2) {
    out.insert(out.end(), length, colour);
  } else if (colour == 0) {
    out.push_back(0);
    if (length < 64) out.push_back(static_cast<uint8_t>(length));
    else out.insert(out.end(), {static_cast<uint8_t>(0x40 | length >> 8), static_cast<uint8_t>(length)});
  } else {
    out.push_back(0);
    if (length < 64) out.push_back(static_cast<uint8_t>(0x80 | length));
    else out.insert(out.end(), {static_cast<uint8_t>(0xc0 | length >> 8), static_cast<uint8_t>(length)});
    out.push_back(colour);
  }
}

class Reader {
 public:
  Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool done() const { return at_ >= size_; }
  uint8_t next() {
    if (at_ >= size_) throw std::runtime_error("object data ends inside a run");
    return data_[at_++];
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

}  // namespace

std::vector<uint8_t> encodeRle(const IndexedBitmap& bitmap) {
  std::vector<uint8_t> out;
  for (int y = 0; y < bitmap.height; ++y) {
    const uint8_t* row = bitmap.pixels.data() + size_t(y) * bitmap.width;
    for (int x = 0; x < bitmap.width;) {
      int length = 1;
      while (x + length < bitmap.width && row[x + length] == row[x] && length < kMaxRun) ++length;
      encodeRun(out, row[x], length);
      x += length;
    }
    out.insert(out.end(), {0, 0});
  }
  return out;
}

IndexedBitmap decodeRle(const uint8_t* data, size_t size, int width, int height) {
  IndexedBitmap bitmap{width, height, std::vector<uint8_t>(size_t(width) * height, 0)};
  Reader in(data, size);
  int x = 0, y = 0;
  while (!in.done() && y < height) {
    uint8_t colour = in.next();
    int length = 1;
    if (colour == 0) {
      const uint8_t flags = in.next();
      if (flags == 0) {  // end of line
        x = 0;
        ++y;
        continue;
      }
      length = flags & 0x3f;
      if (flags & 0x40) length = length << 8 | in.next();
      colour = (flags & 0x80) ? in.next() : 0;
    }
    for (int i = 0; i < length && x < width; ++i, ++x) bitmap.pixels[size_t(y) * width + x] = colour;
  }
  return bitmap;
}

}  // namespace pgs
