#pragma once
// Turning packet counts into time and bitrates. Times are milliseconds of
// the source, rates kilobits per second: bits per packet divided by a time
// in milliseconds gives kbit/s directly.

#include <cstdint>

namespace scanner {

inline constexpr double kPayloadBits = 1472;  // 184 payload bytes of a packet
inline constexpr double kPacketBits = 1536;   // the whole 192-byte packet
inline constexpr double kForcedTrackKbps = 4.0;
inline constexpr double kForcedTrackAfterMs = 600000;  // ten minutes

// The share of the source's duration that the packets read so far cover;
// 0 while nothing is known (no total, no duration).
double ScannedTimeMs(double durationMs, uint32_t donePackets, uint32_t totalPackets);

// packets × bitsPerPacket / timeMs; 0 while no time is covered.
double RateKbps(uint32_t packets, double bitsPerPacket, double timeMs);

// The rate rounded to the nearest whole kbit/s.
int32_t RoundedKbps(uint32_t packets, double bitsPerPacket, double timeMs);

// What a subtitle track's forcedCaptions becomes: the count when captions
// were counted; -1 (the whole track is forced) when it stays below 4 kbps
// over more than ten minutes of stream; else 0.
int32_t ClassifyForced(int32_t counted, double liveRateKbps, double timeMs);

}  // namespace scanner
