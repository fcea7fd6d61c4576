#include "pgs/caption.h"
#include "pgs/colour.h"
#include "pgs/quantize.h"
#include "pgs/rle.h"
#include "pgs/segments_content.h"

namespace pgs {

namespace {

class Encoder {
 public:
  explicit Encoder(const CaptionStream& stream) : stream_(stream) {}
  void caption(const Caption& c);
  std::vector<Segment> finish() { return std::move(out_); }

 private:
  void add(uint32_t pts, uint8_t type, std::vector<uint8_t> payload) {
    out_.push_back({pts, pts, type, std::move(payload)});
  }
  Presentation presentation(uint8_t state) {
    Presentation p;
    p.width = stream_.videoWidth;
    p.height = stream_.videoHeight;
    p.frameRate = stream_.frameRate;
    p.number = number_++;
    p.state = state;
    return p;
  }

  const CaptionStream& stream_;
  std::vector<Segment> out_;
  uint16_t number_ = 0;
};

Palette paletteOf(const std::vector<Rgba>& colours) {
  Palette p;
  for (size_t i = 0; i < colours.size(); ++i) p.entries.push_back(toPaletteEntry(static_cast<uint8_t>(i), colours[i]));
  return p;
}

void Encoder::caption(const Caption& c) {
  const Quantized q = quantize(c.image);
  const uint16_t width = static_cast<uint16_t>(c.image.width), height = static_cast<uint16_t>(c.image.height);
  const Window window{0, static_cast<uint16_t>(c.x), static_cast<uint16_t>(c.y), width, height};

  Presentation show = presentation(kEpochStart);
  CompositionObject object;
  object.flags = c.forced ? kForcedFlag : 0;
  object.x = window.x;
  object.y = window.y;
  show.objects = {object};
  add(c.start, kPresentation, encodePresentation(show));
  add(c.start, kWindow, encodeWindows({window}));
  add(c.start, kPalette, encodePalette(paletteOf(q.palette)));
  for (auto& fragment : encodeObject(0, width, height, encodeRle(q.bitmap))) add(c.start, kObject, std::move(fragment));
  add(c.start, kEnd, {});
  if (!c.end) return;
  add(*c.end, kPresentation, encodePresentation(presentation(0)));
  add(*c.end, kWindow, encodeWindows({window}));
  add(*c.end, kEnd, {});
}

}  // namespace

std::vector<Segment> encodeCaptions(const CaptionStream& stream) {
  Encoder encoder(stream);
  for (const Caption& c : stream.captions) encoder.caption(c);
  return encoder.finish();
}

}  // namespace pgs
