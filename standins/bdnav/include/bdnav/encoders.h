#pragma once
// Encoders of the single navigation files, byte for byte.

#include <cstdint>
#include <vector>

#include "bdnav/nav_types.h"

namespace bdnav {

// CLIPINF/<name>.clpi
std::vector<uint8_t> encodeClipInfo(const Clip& clip);

// PLAYLIST/<name>.mpls; the STN table lists the streams of the clips the
// items play. Throws std::invalid_argument for an item naming no clip.
std::vector<uint8_t> encodePlaylist(const Playlist& playlist, const std::vector<Clip>& clips);

// index.bdmv with one title per playlist, as movieObjectsFor lays them out.
std::vector<uint8_t> encodeIndex(size_t titleCount);

}  // namespace bdnav
