#pragma once
// The payloads of the four PGS segment kinds that carry content.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace pgs {

constexpr uint8_t kEpochStart = 0x80;
constexpr uint8_t kAcquisitionPoint = 0x40;
constexpr uint8_t kForcedFlag = 0x40;
constexpr uint8_t kCroppedFlag = 0x80;

struct CompositionObject {
  uint16_t objectId = 0;
  uint8_t windowId = 0;
  uint8_t flags = 0;  // kForcedFlag, kCroppedFlag
  uint16_t x = 0, y = 0;
  uint16_t cropX = 0, cropY = 0, cropWidth = 0, cropHeight = 0;
};

struct Presentation {
  uint16_t width = 1920, height = 1080;
  uint8_t frameRate = 0x10;
  uint16_t number = 0;
  uint8_t state = 0;  // kEpochStart, kAcquisitionPoint or 0 (normal)
  uint8_t paletteUpdate = 0;
  uint8_t paletteId = 0;
  std::vector<CompositionObject> objects;
};

struct Window {
  uint8_t id = 0;
  uint16_t x = 0, y = 0, width = 0, height = 0;
};

struct PaletteEntry {
  uint8_t index = 0, y = 16, cr = 128, cb = 128, alpha = 0;
};

struct Palette {
  uint8_t id = 0;
  uint8_t version = 0;
  std::vector<PaletteEntry> entries;
};

// One ODS segment: the first carries the total length and the size, all
// carry a fragment of the run-length data.
struct ObjectFragment {
  uint16_t id = 0;
  uint8_t version = 0;
  bool first = true, last = true;
  uint16_t width = 0, height = 0;  // first fragment only
  std::vector<uint8_t> data;
};

// Parsers return nothing for a payload too short for what it declares.
std::optional<Presentation> parsePresentation(const std::vector<uint8_t>& p);
std::optional<std::vector<Window>> parseWindows(const std::vector<uint8_t>& p);
std::optional<Palette> parsePalette(const std::vector<uint8_t>& p);
std::optional<ObjectFragment> parseObject(const std::vector<uint8_t>& p);

std::vector<uint8_t> encodePresentation(const Presentation& c);
std::vector<uint8_t> encodeWindows(const std::vector<Window>& windows);
std::vector<uint8_t> encodePalette(const Palette& palette);
// The run-length data split into ODS payloads that fit a segment.
std::vector<std::vector<uint8_t>> encodeObject(uint16_t id, uint16_t width, uint16_t height,
                                               const std::vector<uint8_t>& rle);

}  // namespace pgs
