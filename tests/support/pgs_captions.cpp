#include "pgs_captions.h"

#include <cstdint>
#include <fstream>
#include <string>

#include "media_cache.h"

namespace quandrell::test {
namespace {

enum Segment : std::uint8_t { kPalette = 0x14, kObject = 0x15, kComposition = 0x16, kWindow = 0x17, kEnd = 0x80 };

std::string Bytes(std::initializer_list<unsigned> values) {
  std::string bytes;
  for (unsigned value : values) bytes += static_cast<char>(value);
  return bytes;
}

std::string Be(unsigned value, int size) {
  std::string bytes;
  for (int shift = (size - 1) * 8; shift >= 0; shift -= 8) bytes += static_cast<char>(value >> shift);
  return bytes;
}

// "PG", presentation and decoding time (90 kHz), type, size, data.
std::string SegmentBytes(unsigned pts, Segment type, const std::string& data) {
  return "PG" + Be(pts, 4) + Be(0, 4) + Be(type, 1) + Be(static_cast<unsigned>(data.size()), 2) + data;
}

std::string Composition(bool showObject) {
  std::string data = Be(1920, 2) + Be(1080, 2) + Be(0x10, 1) + Be(0, 2) +
                     Bytes({showObject ? 0x80u : 0x00u, 0, 0, showObject ? 1u : 0u});
  if (showObject) data += Be(0, 2) + Bytes({0, 0}) + Be(100, 2) + Be(900, 2);
  return data;
}

std::string DisplaySets() {
  const std::string window = Bytes({1, 0}) + Be(100, 2) + Be(900, 2) + Be(8, 2) + Be(2, 2);
  const std::string palette = Bytes({0, 0, 1, 235, 128, 128, 255});
  const std::string rle = Bytes({0, 0x88, 1, 0, 0, 0, 0x88, 1, 0, 0});  // two lines of colour 1
  const std::string object = Be(0, 2) + Bytes({0, 0xC0}) + Be(4 + static_cast<unsigned>(rle.size()), 3) +
                             Be(8, 2) + Be(2, 2) + rle;
  const unsigned show = static_cast<unsigned>(kPgsShowSeconds * 90000);
  const unsigned clear = static_cast<unsigned>(kPgsClearSeconds * 90000);
  return SegmentBytes(show, kComposition, Composition(true)) + SegmentBytes(show, kWindow, window) +
         SegmentBytes(show, kPalette, palette) + SegmentBytes(show, kObject, object) +
         SegmentBytes(show, kEnd, "") + SegmentBytes(clear, kComposition, Composition(false)) +
         SegmentBytes(clear, kWindow, window) + SegmentBytes(clear, kEnd, "");
}

}  // namespace

std::filesystem::path PgsCaptions() {
  return CachedMedia("captions.sup", [](const std::filesystem::path& out) {
    std::ofstream(out, std::ios::binary) << DisplaySets();
  });
}

}  // namespace quandrell::test
