#pragma once

#include "pgs/image.h"

namespace pgs {

// Resamples to width x height with a Lanczos-3 filter (widened when
// shrinking), on premultiplied alpha so transparent pixels lend no colour.
RgbaImage scaleLanczos3(const RgbaImage& image, int width, int height);

}  // namespace pgs
