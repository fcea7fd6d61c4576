#pragma once
// The navigation of the muxed stream: one clip 00000, one playlist 00000
// with the chapter marks the control file asks for.

#include "bdnav/m2ts_scan.h"
#include "bdnav/nav_types.h"
#include "meta_file.h"
#include "mux_plan.h"

namespace tsmuxer {

// Chapter starts in milliseconds from the start of the video, inside a
// stream of `durationMs`: the custom list, else one every N minutes of
// --auto-chapters, else just the start. Never empty.
std::vector<int64_t> chapterStarts(const MuxOptions& options, int64_t durationMs);

bdnav::Navigation avchdNavigation(const bdnav::M2tsScan& scan, const MuxPlan& plan, const MuxOptions& options);

}  // namespace tsmuxer
