#pragma once
// The segments of a PGS subtitle stream as a ".sup" file stores them:
// "PG", PTS, DTS (90 kHz), type, big-endian size, payload.

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace pgs {

enum SegmentType : uint8_t {
  kPalette = 0x14,
  kObject = 0x15,
  kPresentation = 0x16,
  kWindow = 0x17,
  kEnd = 0x80,
};

struct Segment {
  uint32_t pts = 0;
  uint32_t dts = 0;
  uint8_t type = 0;
  std::vector<uint8_t> payload;
};

struct SupError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Throws SupError for a file that does not open, a bad magic or a truncated
// segment (with its byte offset).
std::vector<Segment> readSupFile(const std::filesystem::path& path);
std::vector<Segment> parseSegments(const std::vector<uint8_t>& bytes);

std::vector<uint8_t> serializeSegments(const std::vector<Segment>& segments);
// Throws SupError when the file cannot be written.
void writeSupFile(const std::filesystem::path& path, const std::vector<Segment>& segments);

}  // namespace pgs
