#pragma once
// The records a Blu-ray/AVCHD navigation tree is written from. Times follow
// the disc format: presentation times in 45 kHz ticks, entry-point PTS in
// 90 kHz ticks, packet numbers (SPN) in 192-byte source packets.

#include <cstdint>
#include <string>
#include <vector>

namespace bdnav {

enum class CodingType : uint8_t {
  Mpeg2Video = 0x02,
  H264 = 0x1b,
  Vc1 = 0xea,
  Lpcm = 0x80,
  Ac3 = 0x81,
  Dts = 0x82,
  TrueHd = 0x83,
  Eac3 = 0x84,
  DtsHd = 0x85,
  DtsHdMaster = 0x86,
  Pgs = 0x90,
  Ig = 0x91,
  TextSubtitle = 0x92,
};

enum class StreamKind { Video, Audio, Graphics, Interactive, Text };
StreamKind kindOf(CodingType coding);

namespace video_format {
constexpr uint8_t i480 = 1, i576 = 2, p480 = 3, i1080 = 4, p720 = 5, p1080 = 6, p576 = 7;
}
namespace frame_rate {
constexpr uint8_t r23976 = 1, r24 = 2, r25 = 3, r29970 = 4, r50 = 6, r59940 = 7;
}
namespace audio_format {
constexpr uint8_t mono = 1, stereo = 3, multichannel = 6, stereoAndMulti = 12;
}
namespace sample_rate {
constexpr uint8_t k48 = 1, k96 = 4, k192 = 5;
}
namespace aspect {
constexpr uint8_t r4x3 = 2, r16x9 = 3;
}

struct Stream {
  uint16_t pid = 0;
  CodingType coding = CodingType::H264;
  uint8_t format = 0;    // video_format or audio_format
  uint8_t rate = 0;      // frame_rate or sample_rate
  uint8_t aspect = aspect::r16x9;  // video only
  std::string language;  // ISO 639-2, audio and subtitles ("und" when empty)
};

// A random access point of the clip's first video stream.
struct EntryPoint {
  uint64_t pts = 0;  // 90 kHz
  uint32_t spn = 0;  // packet holding the start of the I picture
};

struct Clip {
  std::string name = "00000";  // five digits, the STREAM/<name>.m2ts it describes
  std::vector<Stream> streams;
  uint16_t pmtPid = 0x0100;
  uint16_t pcrPid = 0x1001;
  uint32_t packetCount = 0;
  uint32_t recordingRate = 6000000;  // bytes per second
  uint32_t startTime = 0;            // 45 kHz, first presentation time
  uint32_t endTime = 0;              // 45 kHz, end of the last frame
  std::vector<EntryPoint> entryPoints;
};

struct PlayItem {
  std::string clip;  // name of a Clip of the same Navigation
  uint32_t inTime = 0;   // 45 kHz
  uint32_t outTime = 0;  // 45 kHz
};

// A chapter: an entry mark inside one play item.
struct Mark {
  uint16_t playItem = 0;
  uint32_t time = 0;  // 45 kHz, on the clock of that play item's clip
};

struct Playlist {
  std::string name = "00000";  // five digits, PLAYLIST/<name>.mpls
  std::vector<PlayItem> items;
  std::vector<Mark> marks;
};

// Everything below BDMV except the streams. Titles are the playlists in order.
struct Navigation {
  std::vector<Clip> clips;
  std::vector<Playlist> playlists;
};

}  // namespace bdnav
