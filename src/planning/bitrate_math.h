#pragma once
// The arithmetic of the planner: how much room the audio takes in a
// transport stream, the largest video bitrate that fits a medium, and an
// estimate of the source's video bitrate when MediaInfo gave none.

#include "source/source_info.h"

// The audio rate (kb/s) that enters the computation and its overhead in
// bits per 192-byte transport packet.
struct AudioRate {
  int kbps;
  int overheadBits;
};

// The audio target value 1 keeps a high-definition track untouched.
inline constexpr int kAudioKeepHd = 1;

// The rate the chosen audio target gives: `audioTarget` 0 keeps the
// track's own (core) rate, 1 keeps the high-definition track, any other
// value is the recoded rate.
AudioRate PlannedAudioRate(const AudioTrack& track, int audioTarget);

// The video bitrate in kb/s, rounded, that leaves room for the audio and
// its overhead, `packetHeaderBits` of every 192-byte packet and
// `frameOverheadBytes` of every frame on `mediaBytes`. All in 64-bit
// floating point. 0 without a duration; held within the int range.
int ComputeVideoBitrate(double durationMs, double audioKbps, double overheadBits, double packetHeaderBits,
                        double frameOverheadBytes, double frameCount, double mediaBytes);

// The overall bitrate less the muxing share and what the other streams
// are known or guessed to take.
int EstimateSourceVideoBitrate(const SourceInfo& source);
