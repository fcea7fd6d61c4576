#include "ep_map.h"

namespace bdnav {

namespace {

constexpr uint32_t kCpiTypeEpMap = 1;
constexpr uint32_t kEpStreamTypeVideo = 1;
// End of the I picture in the fine entries; readers only use the start.
constexpr uint32_t kIEndPositionOffset = 1;

struct CoarseEntry {
  uint32_t fineIndex;
  uint64_t pts;
  uint32_t spn;
};

// A coarse entry holds the high bits of PTS and packet number; a new one
// starts whenever those change, so every fine entry adds only low bits.
std::vector<CoarseEntry> coarseEntries(const std::vector<EntryPoint>& points) {
  std::vector<CoarseEntry> coarse;
  for (uint32_t i = 0; i < points.size(); ++i) {
    const EntryPoint& p = points[i];
    if (coarse.empty() || (coarse.back().pts >> 19) != (p.pts >> 19) ||
        (coarse.back().spn >> 17) != (p.spn >> 17))
      coarse.push_back({i, p.pts, p.spn});
  }
  return coarse;
}

const Stream* firstVideo(const Clip& clip) {
  for (const Stream& s : clip.streams)
    if (kindOf(s.coding) == StreamKind::Video) return &s;
  return nullptr;
}

void writeStreamTables(ByteWriter& w, const std::vector<EntryPoint>& points,
                       const std::vector<CoarseEntry>& coarse) {
  w.u32(static_cast<uint32_t>(4 + 8 * coarse.size()));  // fine table start
  for (const CoarseEntry& c : coarse) {
    w.u32(c.fineIndex << 14 | ((c.pts >> 19) & 0x3fff));
    w.u32(c.spn);
  }
  for (const EntryPoint& p : points)
    w.u32(kIEndPositionOffset << 28 | ((p.pts >> 9) & 0x7ff) << 17 | (p.spn & 0x1ffff));
}

}  // namespace

void writeCpi(ByteWriter& w, const Clip& clip) {
  const auto length = w.openLength(4);
  const Stream* video = firstVideo(clip);
  if (video == nullptr || clip.entryPoints.empty()) {
    w.closeLength(length);
    return;
  }
  const std::vector<CoarseEntry> coarse = coarseEntries(clip.entryPoints);
  const auto fine = static_cast<uint32_t>(clip.entryPoints.size());
  w.u16(kCpiTypeEpMap);
  const size_t epMapStart = w.size();
  w.u8(0);
  w.u8(1);  // one stream PID
  w.u16(video->pid);
  w.u16(kEpStreamTypeVideo << 2 | static_cast<uint32_t>(coarse.size()) >> 14);
  w.u32(static_cast<uint32_t>(coarse.size()) << 18 | fine);
  w.u32(static_cast<uint32_t>(w.size() + 4 - epMapStart));
  writeStreamTables(w, clip.entryPoints, coarse);
  w.closeLength(length);
}

}  // namespace bdnav
