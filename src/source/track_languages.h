#pragma once

#include "source/source_info.h"

// Completes the language fields of the audio and subtitle tracks: an empty
// code becomes "und", a two-letter code its three-letter form, and an
// empty name the code's display name.
void NormaliseTrackLanguages(SourceInfo& source);
