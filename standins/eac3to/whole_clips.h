#pragma once

#include "track.h"

namespace eac3to {

// True when the clips' bytes read one after another are the playlist: each
// junction joins two clips on one clock (a split stream), the first in time
// is at or before the first picture and the last out time after the last
// picture. ffmpeg then reads the files itself ("concat:"), which spares the
// copy of every byte through our join; a track that starts before the
// picture is still cut to it when written (see AlignCopiedAudio).
bool ClipsPlayWhole(const Source& source);

}  // namespace eac3to
