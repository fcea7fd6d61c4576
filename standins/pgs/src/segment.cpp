#include "pgs/segment.h"

#include <fstream>
#include <iterator>

namespace pgs {

namespace {

constexpr size_t kHeaderSize = 13;

uint32_t be32(const uint8_t* p) { return uint32_t(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3]; }

void putBe(std::vector<uint8_t>& out, uint32_t v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

}  // namespace

std::vector<Segment> parseSegments(const std::vector<uint8_t>& bytes) {
  std::vector<Segment> segments;
  size_t at = 0;
  while (at < bytes.size()) {
    if (bytes.size() - at < kHeaderSize) throw SupError("truncated segment header at byte " + std::to_string(at));
    const uint8_t* h = bytes.data() + at;
    if (h[0] != 'P' || h[1] != 'G') throw SupError("no PG segment at byte " + std::to_string(at));
    const size_t size = size_t(h[11]) << 8 | h[12];
    if (bytes.size() - at - kHeaderSize < size) throw SupError("truncated segment at byte " + std::to_string(at));
    Segment s;
    s.pts = be32(h + 2);
    s.dts = be32(h + 6);
    s.type = h[10];
    s.payload.assign(h + kHeaderSize, h + kHeaderSize + size);
    segments.push_back(std::move(s));
    at += kHeaderSize + size;
  }
  return segments;
}

std::vector<Segment> readSupFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw SupError("cannot open " + path.string());
  return parseSegments({std::istreambuf_iterator<char>(in), {}});
}

std::vector<uint8_t> serializeSegments(const std::vector<Segment>& segments) {
  std::vector<uint8_t> out;
  for (const Segment& s : segments) {
    out.push_back('P');
    out.push_back('G');
    putBe(out, s.pts, 4);
    putBe(out, s.dts, 4);
    out.push_back(s.type);
    putBe(out, static_cast<uint32_t>(s.payload.size()), 2);
    out.insert(out.end(), s.payload.begin(), s.payload.end());
  }
  return out;
}

void writeSupFile(const std::filesystem::path& path, const std::vector<Segment>& segments) {
  const std::vector<uint8_t> bytes = serializeSegments(segments);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw SupError("cannot write " + path.string());
}

}  // namespace pgs
