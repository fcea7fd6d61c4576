#pragma once
// PGS display sets written byte by byte, as a disc's subtitle stream has
// them, for the tests to feed the stand-ins.

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

struct ShownObject {
  uint16_t id;
  bool forced;
  uint16_t x, y;
};

struct SupBytes {
  Bytes data;

  // "PG", PTS, DTS 0, type, size, payload.
  void segment(uint32_t pts, uint8_t type, const Bytes& payload);
  // Composition of a 1920x1080 video at 23.976 (code 0x10).
  void presentation(uint32_t pts, uint16_t number, uint8_t state, const std::vector<ShownObject>& objects,
                    uint16_t videoHeight = 1080);
  void window(uint32_t pts, uint16_t x, uint16_t y, uint16_t w, uint16_t h);
  // Entries: index, Y, Cr, Cb, alpha.
  void palette(uint32_t pts, const std::vector<std::vector<uint8_t>>& entries);
  // A w x h object of one colour, as one run per line.
  void solidObject(uint32_t pts, uint16_t id, uint16_t w, uint16_t h, uint8_t colour);
  void end(uint32_t pts);

  // A whole caption: epoch start with one object at (x, y), and its clearing.
  void caption(uint32_t start, uint32_t stop, uint16_t x, uint16_t y, uint16_t w, uint16_t h, bool forced,
               uint16_t videoHeight = 1080);
};

struct ShownCaption {
  uint32_t pts;
  uint16_t videoWidth, videoHeight;
  uint8_t state;
  bool forced;
  uint16_t x, y, width, height;  // of the first object; 0 size for a clearing
};

// What a reader of the written file sees at each composition, taking object
// sizes from the ODS segments of the same display set.
std::vector<ShownCaption> readCompositions(const Bytes& file);

Bytes readFile(const std::string& path);
void writeFile(const std::string& path, const Bytes& bytes);
