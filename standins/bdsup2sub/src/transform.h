#pragma once
// What BDSup2Sub does to captions here; times are never touched.

#include <stdexcept>

#include "pgs/caption.h"

namespace bdsup2sub {

struct TransformError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// For a video cropped by `lines` at top and bottom: the height becomes
// H - 2 * lines and each caption moves up by `lines`, kept inside the new
// picture (a caption taller than it loses its bottom rows).
void cropCaptions(pgs::CaptionStream& stream, int lines);

// Scales every caption and its position to a width x height video with a
// Lanczos-3 filter; captions stay inside the picture.
void resizeCaptions(pgs::CaptionStream& stream, int width, int height);

}  // namespace bdsup2sub
