#pragma once
// The per-stream attribute blocks shared by playlists (STN table) and clip
// information (program info).

#include "bdnav/byte_writer.h"
#include "bdnav/nav_types.h"

namespace bdnav {

// Length-prefixed attributes as a playlist's STN table carries them.
void writePlaylistAttributes(ByteWriter& w, const Stream& s);

// Length-prefixed StreamCodingInfo as a clip's program info carries it.
void writeClipCodingInfo(ByteWriter& w, const Stream& s);

}  // namespace bdnav
