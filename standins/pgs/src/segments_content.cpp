#include "pgs/segments_content.h"

#include <algorithm>

namespace pgs {

namespace {

constexpr size_t kMaxPayload = 0xffff;

class In {
 public:
  explicit In(const std::vector<uint8_t>& p) : p_(p) {}
  bool has(size_t n) const { return at_ + n <= p_.size(); }
  uint32_t u8() { return p_[at_++]; }
  uint32_t u16() {
    const uint32_t high = u8();
    return high << 8 | u8();
  }
  uint32_t u24() {
    const uint32_t high = u16();
    return high << 8 | u8();
  }
  std::vector<uint8_t> rest() { return {p_.begin() + static_cast<long>(at_), p_.end()}; }

 private:
  const std::vector<uint8_t>& p_;
  size_t at_ = 0;
};

void put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v >> 8));
  out.push_back(static_cast<uint8_t>(v));
}

}  // namespace

std::optional<Presentation> parsePresentation(const std::vector<uint8_t>& p) {
  In in(p);
  if (!in.has(11)) return std::nullopt;
  Presentation c;
  c.width = in.u16();
  c.height = in.u16();
  c.frameRate = in.u8();
  c.number = in.u16();
  c.state = in.u8();
  c.paletteUpdate = in.u8();
  c.paletteId = in.u8();
  const uint32_t count = in.u8();
  for (uint32_t i = 0; i < count; ++i) {
    if (!in.has(8)) return std::nullopt;
    CompositionObject o;
    o.objectId = in.u16();
    o.windowId = in.u8();
    o.flags = in.u8();
    o.x = in.u16();
    o.y = in.u16();
    if (o.flags & kCroppedFlag) {
      if (!in.has(8)) return std::nullopt;
      o.cropX = in.u16();
      o.cropY = in.u16();
      o.cropWidth = in.u16();
      o.cropHeight = in.u16();
    }
    c.objects.push_back(o);
  }
  return c;
}

std::optional<std::vector<Window>> parseWindows(const std::vector<uint8_t>& p) {
  In in(p);
  if (!in.has(1)) return std::nullopt;
  std::vector<Window> windows(in.u8());
  for (Window& w : windows) {
    if (!in.has(9)) return std::nullopt;
    w.id = in.u8();
    w.x = in.u16();
    w.y = in.u16();
    w.width = in.u16();
    w.height = in.u16();
  }
  return windows;
}

std::optional<Palette> parsePalette(const std::vector<uint8_t>& p) {
  In in(p);
  if (!in.has(2)) return std::nullopt;
  Palette palette;
  palette.id = in.u8();
  palette.version = in.u8();
  while (in.has(5)) {
    PaletteEntry e;
    e.index = in.u8();
    e.y = in.u8();
    e.cr = in.u8();
    e.cb = in.u8();
    e.alpha = in.u8();
    palette.entries.push_back(e);
  }
  return palette;
}

std::optional<ObjectFragment> parseObject(const std::vector<uint8_t>& p) {
  In in(p);
  if (!in.has(4)) return std::nullopt;
  ObjectFragment o;
  o.id = in.u16();
  o.version = in.u8();
  const uint32_t sequence = in.u8();
  o.first = (sequence & 0x80) != 0;
  o.last = (sequence & 0x40) != 0;
  if (o.first) {
    if (!in.has(7)) return std::nullopt;
    in.u24();  // total length, implied by the fragments
    o.width = in.u16();
    o.height = in.u16();
  }
  o.data = in.rest();
  return o;
}

std::vector<uint8_t> encodePresentation(const Presentation& c) {
  std::vector<uint8_t> out;
  put16(out, c.width);
  put16(out, c.height);
  out.push_back(c.frameRate);
  put16(out, c.number);
  out.insert(out.end(), {c.state, c.paletteUpdate, c.paletteId, static_cast<uint8_t>(c.objects.size())});
  for (const CompositionObject& o : c.objects) {
    put16(out, o.objectId);
    out.insert(out.end(), {o.windowId, o.flags});
    put16(out, o.x);
    put16(out, o.y);
    if (o.flags & kCroppedFlag)
      for (uint16_t v : {o.cropX, o.cropY, o.cropWidth, o.cropHeight}) put16(out, v);
  }
  return out;
}

std::vector<uint8_t> encodeWindows(const std::vector<Window>& windows) {
  std::vector<uint8_t> out{static_cast<uint8_t>(windows.size())};
  for (const Window& w : windows) {
    out.push_back(w.id);
    for (uint16_t v : {w.x, w.y, w.width, w.height}) put16(out, v);
  }
  return out;
}

std::vector<uint8_t> encodePalette(const Palette& palette) {
  std::vector<uint8_t> out{palette.id, palette.version};
  for (const PaletteEntry& e : palette.entries) out.insert(out.end(), {e.index, e.y, e.cr, e.cb, e.alpha});
  return out;
}

std::vector<std::vector<uint8_t>> encodeObject(uint16_t id, uint16_t width, uint16_t height,
                                               const std::vector<uint8_t>& rle) {
  std::vector<std::vector<uint8_t>> fragments;
  size_t at = 0;
  do {
    std::vector<uint8_t> out;
    put16(out, id);
    out.push_back(0);  // version
    const bool first = at == 0;
    const size_t room = kMaxPayload - 4 - (first ? 7 : 0);
    const size_t take = std::min(room, rle.size() - at);
    const bool last = at + take == rle.size();
    out.push_back(static_cast<uint8_t>((first ? 0x80 : 0) | (last ? 0x40 : 0)));
    if (first) {
      const size_t total = rle.size() + 4;
      out.insert(out.end(), {static_cast<uint8_t>(total >> 16), static_cast<uint8_t>(total >> 8),
                             static_cast<uint8_t>(total)});
      put16(out, width);
      put16(out, height);
    }
    out.insert(out.end(), rle.begin() + static_cast<long>(at), rle.begin() + static_cast<long>(at + take));
    fragments.push_back(std::move(out));
    at += take;
  } while (at < rle.size());
  return fragments;
}

}  // namespace pgs
