#pragma once
// The options of the MUXOPT line and of stream lines.

#include <string>

#include "meta_file.h"

namespace tsmuxer {

// Reads the --name=value words after "MUXOPT"; unknown ones are ignored.
MuxOptions parseMuxOptions(const std::string& words);

// Applies one option of a stream line; unknown names are ignored, bad values
// of known ones throw MetaError.
void applyTrackOption(TrackSpec& trackSpec, const std::string& name, const std::string& value, int lineNumber);

}  // namespace tsmuxer
