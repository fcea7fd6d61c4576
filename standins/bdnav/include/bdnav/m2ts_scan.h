#pragma once
// Reads a BDAV transport stream (192-byte packets) once and collects what
// its clip information needs: the program's streams, the packet count, the
// video's presentation span and its random access points.

#include <cstdint>
#include <filesystem>
#include <vector>

#include "bdnav/nav_types.h"

namespace bdnav {

struct ScannedStream {
  uint16_t pid = 0;
  uint8_t streamType = 0;  // as in the PMT
  uint32_t units = 0;      // PES packets begun
};

struct M2tsScan {
  uint32_t packetCount = 0;
  uint16_t pmtPid = 0;
  uint16_t pcrPid = 0;
  std::vector<ScannedStream> streams;  // PMT order
  // The first video stream (or, without video, the first stream): PTS of
  // its first frame and of the end of its last frame, 90 kHz.
  uint64_t firstPts = 0;
  uint64_t endPts = 0;
  uint32_t frames = 0;  // PES packets of that stream
  std::vector<EntryPoint> entryPoints;  // video packets flagged random access
};

// Throws std::runtime_error when the file cannot be read, is not made of
// 192-byte packets, or has no program map.
M2tsScan scanM2ts(const std::filesystem::path& path);

// Blu-ray coding type of a PMT stream type; false for types a clip cannot list.
bool codingFromStreamType(uint8_t streamType, CodingType& coding);

// A clip named `name` with the scanned timing, packets and entry points and
// one Stream per listable PMT entry (pid and coding set; format, rate and
// language left for the caller).
Clip clipFromScan(const M2tsScan& scan, const std::string& name);

}  // namespace bdnav
