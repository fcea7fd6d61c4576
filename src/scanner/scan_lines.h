#pragma once
// The texts of the scan dialog: one list line per track, with column stops
// (ESC "p", pixels, "l" or "r"), and the progress line.

#include <cstdint>
#include <string>

#include "source/source_info.h"

namespace scanner {

// What a tick shows of one track.
struct LiveFigures {
  double seconds = 0;
  double rateKbps = 0;
  uint32_t packets = 0;
};

std::string OpeningLine(const VideoTrack& track);
std::string OpeningLine(const AudioTrack& track);
std::string OpeningLine(const SubtitleTrack& track);

std::string TickLine(const VideoTrack& track, const LiveFigures& figures);
// HD audio names its profile beside the format.
std::string TickLine(const AudioTrack& track, const LiveFigures& figures);
// `note` says what is known of forced captions ("(2 forced)", "(forced track)" or "").
std::string TickLine(const SubtitleTrack& track, const std::string& note, const LiveFigures& figures);

std::string ProgressLine(const std::string& fileName, uint32_t donePackets, uint32_t totalPackets,
                         double megabytesPerSecond);

// The note of a subtitle track for its forcedCaptions value.
std::string ForcedNote(int32_t forcedCaptions);

}  // namespace scanner
