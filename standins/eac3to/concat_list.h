#pragma once

#include <string>
#include <vector>

#include "track.h"

namespace eac3to {

// The text of an FFmpeg concat list ("ffconcat version 1.0") that plays the
// parts one after another, each from its in time to its out time. The concat
// reader carries the timestamps on across the parts, so a playlist of several
// clips comes out as one seamless stream.
std::string ConcatList(const std::vector<InputPart>& parts);

// True when the parts need a concat list (several parts, or in/out times).
bool NeedsConcatList(const std::vector<InputPart>& parts);

}  // namespace eac3to
