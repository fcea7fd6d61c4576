#include <algorithm>
#include <array>
#include <climits>
#include <map>
#include <utility>

#include "pgs/caption.h"
#include "pgs/colour.h"
#include "pgs/rle.h"
#include "pgs/segments_content.h"

namespace pgs {

namespace {

using PaletteColours = std::array<Rgba, 256>;  // undefined entries transparent

// Larger than any disc picture: a bound on what a damaged stream may claim.
constexpr int kMaxPicture = 4096;

struct StoredObject {
  int width = 0, height = 0;
  std::vector<uint8_t> rle;
};

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
};

class Decoder {
 public:
  void segment(const Segment& s);
  CaptionStream finish() { return std::move(stream_); }

 private:
  void presentation(const Segment& s);
  void palette(const Segment& s);
  void object(const Segment& s);
  void endOfDisplaySet();
  RgbaImage draw(const CompositionObject& o, Rect& placed) const;
  Caption compose(const Presentation& c) const;
  void show(Caption caption);

  CaptionStream stream_;
  std::map<uint8_t, PaletteColours> palettes_;
  std::map<uint16_t, StoredObject> objects_;
  std::optional<Presentation> pending_;
  uint32_t pendingPts_ = 0;
};

SupError malformed(const char* what, uint32_t pts) {
  return SupError(std::string("malformed ") + what + " segment at PTS " + std::to_string(pts));
}

void Decoder::segment(const Segment& s) {
  switch (s.type) {
    case kPresentation:
      presentation(s);
      break;
    case kPalette:
      palette(s);
      break;
    case kObject:
      object(s);
      break;
    case kEnd:
      endOfDisplaySet();
      break;
    default:
      break;  // windows: the caption's own rectangle is what counts
  }
}

void Decoder::presentation(const Segment& s) {
  pending_ = parsePresentation(s.payload);
  if (!pending_) throw malformed("composition", s.pts);
  pendingPts_ = s.pts;
  stream_.videoWidth = pending_->width;
  stream_.videoHeight = pending_->height;
  stream_.frameRate = pending_->frameRate;
  if (pending_->state & kEpochStart) {
    palettes_.clear();
    objects_.clear();
  }
}

void Decoder::palette(const Segment& s) {
  const auto p = parsePalette(s.payload);
  if (!p) throw malformed("palette", s.pts);
  PaletteColours& colours = palettes_.try_emplace(p->id, PaletteColours{}).first->second;
  for (const PaletteEntry& e : p->entries) colours[e.index] = toRgba(e);
}

void Decoder::object(const Segment& s) {
  const auto o = parseObject(s.payload);
  if (!o) throw malformed("object", s.pts);
  StoredObject& stored = objects_[o->id];
  if (o->first && (o->width > kMaxPicture || o->height > kMaxPicture))
    throw SupError("object of " + std::to_string(o->width) + "x" + std::to_string(o->height) + " at PTS " +
                   std::to_string(s.pts));
  if (o->first) stored = {o->width, o->height, {}};
  stored.rle.insert(stored.rle.end(), o->data.begin(), o->data.end());
}

RgbaImage Decoder::draw(const CompositionObject& o, Rect& placed) const {
  const auto stored = objects_.find(o.objectId);
  if (stored == objects_.end())
    throw SupError("composition at PTS " + std::to_string(pendingPts_) + " shows an undefined object");
  const StoredObject& obj = stored->second;
  const IndexedBitmap bitmap = decodeRle(obj.rle.data(), obj.rle.size(), obj.width, obj.height);
  const auto palette = palettes_.find(pending_->paletteId);
  Rect crop{0, 0, obj.width, obj.height};
  if (o.flags & kCroppedFlag)
    crop = {std::min<int>(o.cropX, obj.width), std::min<int>(o.cropY, obj.height),
            std::min<int>(o.cropWidth, obj.width - std::min<int>(o.cropX, obj.width)),
            std::min<int>(o.cropHeight, obj.height - std::min<int>(o.cropY, obj.height))};
  RgbaImage image(crop.width, crop.height);
  for (int y = 0; y < crop.height; ++y)
    for (int x = 0; x < crop.width; ++x) {
      const uint8_t index = bitmap.pixels[size_t(crop.y + y) * obj.width + crop.x + x];
      if (palette != palettes_.end()) image.at(x, y) = palette->second[index];
    }
  placed = {o.x, o.y, crop.width, crop.height};
  return image;
}

void Decoder::show(Caption caption) {
  if (!stream_.captions.empty()) {
    Caption& last = stream_.captions.back();
    const bool same = last.image == caption.image && last.x == caption.x && last.y == caption.y &&
                      last.forced == caption.forced;
    if (same && !last.end) return;  // a repeat: the picture stays up
    if (!last.end) last.end = caption.start;
  }
  stream_.captions.push_back(std::move(caption));
}

// Objects are drawn in order onto one picture spanning them all.
Caption Decoder::compose(const Presentation& c) const {
  std::vector<std::pair<Rect, RgbaImage>> parts;
  int left = INT_MAX, top = INT_MAX, right = 0, bottom = 0;
  Caption caption;
  caption.start = pendingPts_;
  for (const CompositionObject& o : c.objects) {
    Rect r;
    RgbaImage image = draw(o, r);
    left = std::min(left, r.x);
    top = std::min(top, r.y);
    right = std::max(right, r.x + r.width);
    bottom = std::max(bottom, r.y + r.height);
    caption.forced = caption.forced || (o.flags & kForcedFlag);
    parts.emplace_back(r, std::move(image));
  }
  if (right - left > kMaxPicture || bottom - top > kMaxPicture)
    throw SupError("composition at PTS " + std::to_string(pendingPts_) + " spans more than 4096 pixels");
  caption.x = left;
  caption.y = top;
  caption.image = RgbaImage(right - left, bottom - top);
  for (const auto& [r, image] : parts)
    for (int y = 0; y < r.height; ++y)
      for (int x = 0; x < r.width; ++x)
        if (image.at(x, y).a != 0) caption.image.at(r.x - left + x, r.y - top + y) = image.at(x, y);
  return caption;
}

void Decoder::endOfDisplaySet() {
  if (!pending_) return;
  const Presentation c = *std::exchange(pending_, std::nullopt);
  if (!c.objects.empty()) {
    show(compose(c));
  } else if (!stream_.captions.empty() && !stream_.captions.back().end) {
    stream_.captions.back().end = pendingPts_;
  }
}

}  // namespace

CaptionStream decodeCaptions(const std::vector<Segment>& segments) {
  Decoder decoder;
  for (const Segment& s : segments) decoder.segment(s);
  return decoder.finish();
}

}  // namespace pgs
