#pragma once
// .m2ts bytes built by hand: 192-byte packets (4-byte header, then a
// transport packet with its sync byte 0x47), and subtitle packets that
// carry a presentation composition segment at their end.

#include <cstdint>
#include <string>

namespace scantest {

inline constexpr int kVideoPid = 0x1011;
inline constexpr int kAudioPid = 0x1100;
inline constexpr int kHdAudioPid = 0x1101;
inline constexpr int kSubtitlePid = 0x1200;

// `count` packets of one PID.
std::string Packets(int pid, int count = 1);

// A packet whose byte 4 is not the sync byte.
std::string BadPacket();

struct Composition {
  int objects = 1;
  bool cropped = false;
  bool forced = true;
  uint8_t state = 0x80;  // epoch start
  int end = 192;         // the byte of the packet after the segment's last
};

// A subtitle packet with the composition segment ending at `end`.
std::string CompositionPacket(int pid, const Composition& composition);

}  // namespace scantest
