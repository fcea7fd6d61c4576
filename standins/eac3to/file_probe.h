#pragma once

#include <filesystem>

#include "track.h"

namespace eac3to {

// Describes a media file (.m2ts, .mkv, raw streams) with its tracks numbered
// the way libmediainfo orders them: videos, then audios, then subtitles, each
// kind in PID order inside transport streams and in file order elsewhere.
// Throws Failure when the file can't be read.
Source ProbeFile(const std::filesystem::path& file);

}  // namespace eac3to
