#include "stream_attributes.h"

namespace bdnav {

StreamKind kindOf(CodingType coding) {
  switch (coding) {
    case CodingType::Mpeg2Video:
    case CodingType::H264:
    case CodingType::Vc1:
      return StreamKind::Video;
    case CodingType::Pgs:
      return StreamKind::Graphics;
    case CodingType::Ig:
      return StreamKind::Interactive;
    case CodingType::TextSubtitle:
      return StreamKind::Text;
    default:
      return StreamKind::Audio;
  }
}

namespace {

// Both blocks open with the same five bytes: coding type, then the fields
// of the stream's kind, padded.
constexpr int kAttributeBytes = 5;
constexpr uint8_t kUtf8CharacterCode = 0x01;

void writeLanguage(ByteWriter& w, const Stream& s) {
  w.text(s.language.empty() ? "und" : s.language, 3, ' ');
}

void writeAttributeBody(ByteWriter& w, const Stream& s, bool withAspect) {
  const size_t start = w.size();
  w.u8(static_cast<uint8_t>(s.coding));
  switch (kindOf(s.coding)) {
    case StreamKind::Video:
      w.u8(s.format << 4 | (s.rate & 0x0f));
      if (withAspect) w.u8(s.aspect << 4);
      break;
    case StreamKind::Audio:
      w.u8(s.format << 4 | (s.rate & 0x0f));
      writeLanguage(w, s);
      break;
    case StreamKind::Graphics:
    case StreamKind::Interactive:
      writeLanguage(w, s);
      break;
    case StreamKind::Text:
      w.u8(kUtf8CharacterCode);
      writeLanguage(w, s);
      break;
  }
  w.zeros(kAttributeBytes - (w.size() - start));
}

}  // namespace

void writePlaylistAttributes(ByteWriter& w, const Stream& s) {
  const auto length = w.openLength(1);
  writeAttributeBody(w, s, false);
  w.closeLength(length);
}

void writeClipCodingInfo(ByteWriter& w, const Stream& s) {
  const auto length = w.openLength(1);
  writeAttributeBody(w, s, true);
  w.text("", 12, '0');  // ISRC: not recorded
  w.zeros(4);
  w.closeLength(length);
}

}  // namespace bdnav
