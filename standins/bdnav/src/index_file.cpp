#include "bdnav/byte_writer.h"
#include "bdnav/encoders.h"

namespace bdnav {

namespace {

constexpr uint32_t kObjectHdmv = 0x40000000;      // object type 1 in the top two bits
constexpr uint32_t kPlaybackInteractive = 0x4000;  // playback type 1 in the top two bits
constexpr uint32_t kPlaybackMovie = 0;

void writeObjectReference(ByteWriter& w, uint32_t playbackType, size_t object) {
  w.u32(kObjectHdmv);
  w.u16(playbackType);
  w.u16(static_cast<uint32_t>(object));
  w.u32(0);
}

}  // namespace

// Title i plays movie object i; the top menu and first play objects follow
// them, as movieObjectsFor lays them out.
std::vector<uint8_t> encodeIndex(size_t titleCount) {
  ByteWriter w;
  w.text("INDX0100", 8);
  const size_t addresses = w.size();
  w.zeros(2 * 4 + 24);  // indexes, extension data; reserved
  const auto appInfo = w.openLength(4);
  w.zeros(34);  // no 3D content, format and rate left to the streams, no user data
  w.closeLength(appInfo);
  w.patchAddress(addresses);
  const auto indexes = w.openLength(4);
  writeObjectReference(w, kPlaybackInteractive, titleCount + 1);
  writeObjectReference(w, kPlaybackInteractive, titleCount);
  w.u16(static_cast<uint32_t>(titleCount));
  for (size_t i = 0; i < titleCount; ++i) writeObjectReference(w, kPlaybackMovie, i);
  w.closeLength(indexes);
  return w.data();
}

}  // namespace bdnav
