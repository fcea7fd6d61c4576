#pragma once
// Which files a scan reads, and how many packets they hold: the clips of a
// joined playlist, or the source file itself.

#include <string>

#include "scanner/scan_run.h"
#include "source/source_info.h"

namespace scanner {

// Fills run.files and totalPackets from the source path shown in the main
// window. A single file stays open in run.openFile for the worker. Returns
// "" or a message naming the file that cannot be read.
std::string SizeScanFiles(const std::string& sourcePath, const SourceInfo& source, ScanRun& run);

// The clip file names of a playlist's clips text: "00001+00002" gives
// 00001.m2ts and 00002.m2ts.
std::vector<std::string> ClipFileNames(const std::string& clips);

}  // namespace scanner
