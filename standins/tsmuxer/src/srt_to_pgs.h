#pragma once

#include <string>

#include "meta_file.h"

namespace tsmuxer {

// Renders the captions of an SRT file (UTF-8) as PGS display sets in the
// style of the control-file line, for a video of style.videoWidth x
// style.videoHeight at `fps`. Throws TextTrackError on unreadable input.
void renderSrtToPgs(const std::string& srtPath, const TextStyle& style, const std::string& fps,
                    const std::string& supPath);

}  // namespace tsmuxer
