#pragma once
// A scan's results: computed by the worker as its last step, stored in the
// source record on the user-interface thread, where the track lists and
// the planner take them up.

#include "scanner/scan_run.h"
#include "source/source_info.h"

struct App;

namespace scanner {

// Zeroes every scan counter and result of the source record, forced
// caption counts included (a forced mark taken from a track title too).
void ResetScanCounters(SourceInfo& source);

// The bitrate of every track from its packets and the time the read share
// covers: video counts payload bytes (1472 bits a packet), audio and
// subtitles whole packets (1536). Runs on the worker after its last read.
void ComputeScanBitrates(ScanRun& run);

// The ids of the source's tracks by slot, to tell whether results still
// belong to the source.
TrackIds TrackIdsOf(const SourceInfo& source);

// Stores the results in the source record and refreshes the track rings,
// the media list, the subtitle targets and the bitrate plan. Nothing is stored for a scan
// that a newer one replaced, nor once the source has other tracks.
// User-interface thread only.
void StoreScanResults(App& app, const ScanRun& run);

}  // namespace scanner
