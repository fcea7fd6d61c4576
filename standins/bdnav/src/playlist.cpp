#include <algorithm>
#include <stdexcept>

#include "bdnav/byte_writer.h"
#include "bdnav/encoders.h"
#include "stream_attributes.h"

namespace bdnav {

namespace {

constexpr uint8_t kPlaybackSequential = 1;
constexpr uint16_t kAudioMixAppFlag = 0x4000;
constexpr uint16_t kConnectionNotSeamless = 1;
constexpr uint8_t kStreamInMainClip = 1;
constexpr uint8_t kEntryMark = 1;
constexpr uint16_t kNoEntryPid = 0xffff;

const Clip& clipNamed(const std::vector<Clip>& clips, const std::string& name) {
  const auto it = std::find_if(clips.begin(), clips.end(),
                               [&](const Clip& c) { return c.name == name; });
  if (it == clips.end()) throw std::invalid_argument("play item names unknown clip " + name);
  return *it;
}

void writeAppInfo(ByteWriter& w) {
  const auto length = w.openLength(4);
  w.u8(0);
  w.u8(kPlaybackSequential);
  w.u16(0);
  w.zeros(8);  // no user operation is masked
  w.u16(kAudioMixAppFlag);
  w.closeLength(length);
}

size_t countOf(const Clip& clip, StreamKind kind) {
  return std::count_if(clip.streams.begin(), clip.streams.end(),
                       [&](const Stream& s) { return kindOf(s.coding) == kind; });
}

// The table lists video, then audio, then subtitles (PG and text share one
// list); interactive graphics are not listed.
int tableGroup(StreamKind kind) {
  switch (kind) {
    case StreamKind::Video:
      return 0;
    case StreamKind::Audio:
      return 1;
    case StreamKind::Graphics:
    case StreamKind::Text:
      return 2;
    case StreamKind::Interactive:
      break;
  }
  return -1;
}

void writeStreamEntries(ByteWriter& w, const Clip& clip, int group) {
  for (const Stream& s : clip.streams) {
    if (tableGroup(kindOf(s.coding)) != group) continue;
    const auto entry = w.openLength(1);
    w.u8(kStreamInMainClip);
    w.u16(s.pid);
    w.zeros(6);
    w.closeLength(entry);
    writePlaylistAttributes(w, s);
  }
}

void writeStreamTable(ByteWriter& w, const Clip& clip) {
  const auto length = w.openLength(2);
  w.u16(0);
  w.u8(static_cast<uint32_t>(countOf(clip, StreamKind::Video)));
  w.u8(static_cast<uint32_t>(countOf(clip, StreamKind::Audio)));
  w.u8(static_cast<uint32_t>(countOf(clip, StreamKind::Graphics) + countOf(clip, StreamKind::Text)));
  w.zeros(4 + 5);  // IG, secondary audio, secondary video, PiP PG; reserved
  for (int group = 0; group < 3; ++group) writeStreamEntries(w, clip, group);
  w.closeLength(length);
}

void writePlayItem(ByteWriter& w, const PlayItem& item, const Clip& clip) {
  const auto length = w.openLength(2);
  w.text(item.clip, 5);
  w.text("M2TS", 4);
  w.u16(kConnectionNotSeamless);
  w.u8(0);  // STC id
  w.u32(item.inTime);
  w.u32(item.outTime);
  w.zeros(8);  // user operation mask
  w.u8(0);     // random access flag
  w.u8(0);     // no still
  w.u16(0);
  writeStreamTable(w, clip);
  w.closeLength(length);
}

void writePlayItems(ByteWriter& w, const Playlist& playlist, const std::vector<Clip>& clips) {
  const auto length = w.openLength(4);
  w.u16(0);
  w.u16(static_cast<uint32_t>(playlist.items.size()));
  w.u16(0);  // no sub paths
  for (const PlayItem& item : playlist.items) writePlayItem(w, item, clipNamed(clips, item.clip));
  w.closeLength(length);
}

void writeMarks(ByteWriter& w, const Playlist& playlist) {
  const auto length = w.openLength(4);
  w.u16(static_cast<uint32_t>(playlist.marks.size()));
  for (const Mark& m : playlist.marks) {
    if (m.playItem >= playlist.items.size())
      throw std::invalid_argument("chapter mark names a play item the playlist lacks");
    w.u8(0);
    w.u8(kEntryMark);
    w.u16(m.playItem);
    w.u32(m.time);
    w.u16(kNoEntryPid);
    w.u32(0);  // duration
  }
  w.closeLength(length);
}

}  // namespace

std::vector<uint8_t> encodePlaylist(const Playlist& playlist, const std::vector<Clip>& clips) {
  ByteWriter w;
  w.text("MPLS0100", 8);
  const size_t addresses = w.size();
  w.zeros(3 * 4 + 20);  // playlist, marks, extension data; reserved
  writeAppInfo(w);
  w.patchAddress(addresses);
  writePlayItems(w, playlist, clips);
  w.patchAddress(addresses + 4);
  writeMarks(w, playlist);
  return w.data();
}

}  // namespace bdnav
