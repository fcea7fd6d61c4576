#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "track.h"

extern "C" {
#include <libavformat/avformat.h>
}

namespace eac3to {

// The listing facts of one FFmpeg stream. firstFrame holds the stream's first
// packet (empty when none was read); frame headers give what FFmpeg does not
// keep, such as the AC-3 dialogue normalisation and the DTS core bitrate.
// Returns nothing for streams a listing leaves out (data, attachments, cover art).
std::optional<Track> DescribeStream(const AVStream& stream,
                                    const std::vector<std::uint8_t>& firstFrame,
                                    bool transportStream);

// The embedded AC-3 of a TrueHD track, from FFmpeg's stream of that part.
AudioCore EmbeddedCore(const AVStream& stream, const std::vector<std::uint8_t>& firstFrame);

}  // namespace eac3to
