#pragma once

#include "bdnav/byte_writer.h"
#include "bdnav/nav_types.h"

namespace bdnav {

// The CPI block of a clip: its EP map of the first video stream's entry
// points, split into coarse and fine tables. A clip without video or entry
// points gets an empty block.
void writeCpi(ByteWriter& w, const Clip& clip);

}  // namespace bdnav
