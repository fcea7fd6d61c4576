#pragma once
// The scan worker: reads every file of a scan from start to end and counts
// its packets, until the end or a stop request.

#include <cstddef>

#include "scanner/count_packets.h"
#include "scanner/scan_run.h"

namespace scanner {

// The size of one read: whole packets, so every chunk starts on a packet.
// Large reads keep the cost of a scan the cost of reading the file; a chunk
// that fits the core's cache leaves the count little to wait for.
inline constexpr size_t kScanChunkBytes = kPacketSize * 4096;

// Runs one scan on the calling thread. A stop request is seen after the
// next read, whose chunk is then not counted, and no further file is
// opened. At its end scanState is kScanSyncError when a packet lacked its
// sync byte (that file's reading ended there; later files are still read),
// else kScanStopped, and the results are computed; or kScanUnreadable,
// with no results, when a file could not be opened or read.
void ScanBitratesThread(ScanRun& run);

}  // namespace scanner
