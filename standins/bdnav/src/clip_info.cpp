#include "bdnav/byte_writer.h"
#include "bdnav/encoders.h"
#include "ep_map.h"
#include "stream_attributes.h"

namespace bdnav {

namespace {

constexpr uint8_t kClipStreamTypeAv = 1;
constexpr uint8_t kApplicationMovie = 1;
constexpr uint8_t kTsTypeValidity = 0x80;

void writeClipBlock(ByteWriter& w, const Clip& clip) {
  const auto length = w.openLength(4);
  w.u16(0);
  w.u8(kClipStreamTypeAv);
  w.u8(kApplicationMovie);
  w.u32(0);  // no ATC delta
  w.u32(clip.recordingRate);
  w.u32(clip.packetCount);
  w.zeros(128);
  const auto typeInfo = w.openLength(2);
  w.u8(kTsTypeValidity);
  w.text("HDMV", 4);
  w.zeros(25);
  w.closeLength(typeInfo);
  w.closeLength(length);
}

// One ATC sequence holding one STC sequence: the clip has no clock breaks.
void writeSequenceInfo(ByteWriter& w, const Clip& clip) {
  const auto length = w.openLength(4);
  w.u8(0);
  w.u8(1);
  w.u32(0);
  w.u8(1);
  w.u8(0);
  w.u16(clip.pcrPid);
  w.u32(0);
  w.u32(clip.startTime);
  w.u32(clip.endTime);
  w.closeLength(length);
}

void writeProgramInfo(ByteWriter& w, const Clip& clip) {
  const auto length = w.openLength(4);
  w.u8(0);
  w.u8(1);  // one program
  w.u32(0);
  w.u16(clip.pmtPid);
  w.u8(static_cast<uint32_t>(clip.streams.size()));
  w.u8(0);
  for (const Stream& s : clip.streams) {
    w.u16(s.pid);
    writeClipCodingInfo(w, s);
  }
  w.closeLength(length);
}

}  // namespace

std::vector<uint8_t> encodeClipInfo(const Clip& clip) {
  ByteWriter w;
  w.text("HDMV0100", 8);
  const size_t addresses = w.size();
  w.zeros(5 * 4 + 12);  // five start addresses, reserved
  writeClipBlock(w, clip);
  w.align(4);
  w.patchAddress(addresses);
  writeSequenceInfo(w, clip);
  w.align(4);
  w.patchAddress(addresses + 4);
  writeProgramInfo(w, clip);
  w.align(4);
  w.patchAddress(addresses + 8);
  writeCpi(w, clip);
  w.align(4);
  w.patchAddress(addresses + 12);
  w.u32(0);  // no clip marks
  w.patchAddress(addresses + 16);
  w.u32(0);  // empty extension data
  return w.data();
}

}  // namespace bdnav
