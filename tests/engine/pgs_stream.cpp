#include "pgs_stream.h"

namespace test::pgs {

namespace {

// `value` as `size` big-endian bytes.
std::string Be(unsigned value, int size = 1) {
  std::string bytes;
  for (int shift = (size - 1) * 8; shift >= 0; shift -= 8) bytes += static_cast<char>(value >> shift);
  return bytes;
}

// Width, height, frame rate, composition number, then the state byte (7),
// the palette update flag, the palette and the object count (10).
std::string CompositionHead(bool epochStart, unsigned objects) {
  return Be(1920, 2) + Be(1080, 2) + Be(0x10) + Be(1, 2) + Be(epochStart ? 0x80 : 0x00) + Be(0, 2) + Be(objects);
}

// Window 0 of 8x2 pixels at (100, 900).
std::string Window() { return Be(1) + Be(0) + Be(100, 2) + Be(900, 2) + Be(8, 2) + Be(2, 2); }

}  // namespace

std::string Segment(SegmentType type, const std::string& payload, unsigned pts) {
  return "PG" + Be(pts, 4) + Be(0, 4) + Be(type) + Be(static_cast<unsigned>(payload.size()), 2) + payload;
}

std::string Composition(bool epochStart, bool forced, unsigned pts) {
  // Object 0 in window 0; byte 14 holds its flags (0x40: forced on).
  const std::string object = Be(0, 2) + Be(0) + Be(forced ? 0x40 : 0x00) + Be(100, 2) + Be(900, 2);
  return Segment(kComposition, CompositionHead(epochStart, 1) + object, pts);
}

std::string EmptyEpochStart(unsigned pts) { return Segment(kComposition, CompositionHead(true, 0), pts); }

std::string DisplaySet(bool epochStart, bool forced, unsigned pts) {
  const std::string palette = Be(0, 2) + Be(1) + Be(0xEB8080, 3) + Be(0xFF);
  const std::string line = Be(0) + Be(0x88) + Be(1) + Be(0, 2);  // eight pixels of colour 1, end of line
  const std::string object = Be(0, 2) + Be(0) + Be(0xC0) + Be(4 + 2 * static_cast<unsigned>(line.size()), 3) +
                             Be(8, 2) + Be(2, 2) + line + line;
  return Composition(epochStart, forced, pts) + Segment(kWindow, Window(), pts) + Segment(kPalette, palette, pts) +
         Segment(kObject, object, pts) + Segment(kEnd, "", pts);
}

std::string ClearingSet(unsigned pts) {
  return Segment(kComposition, CompositionHead(false, 0), pts) + Segment(kWindow, Window(), pts) +
         Segment(kEnd, "", pts);
}

}  // namespace test::pgs
