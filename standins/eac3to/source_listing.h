#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "track.h"

namespace eac3to {

// The lines eac3to prints for a source: a summary such as
// "M2TS, 1 video track, 2 audio tracks, 0:00:10, 24p /1.001", then one
// "N: <description>" line per track.
std::vector<std::string> ListSource(const Source& source);

// "H:MM:SS", rounded to the nearest second.
std::string DurationText(std::int64_t ms);

}  // namespace eac3to
