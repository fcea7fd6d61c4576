#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "part_timing.h"
#include "track.h"

namespace eac3to {

// The transport stream a player reads from a playlist: the clips one after
// another, joined packet by packet, each cut to its in and out time with its
// timestamps moved onto the playlist's time line (see PlanPartTimings). Whole
// PES units are kept or dropped, so every picture is written once and whole.
// Packets come out as 188 bytes, whatever their size in the clips.
class JoinedStream {
 public:
  using Sink = std::function<void(const std::uint8_t* packets, std::size_t size)>;

  // Checks that every part is a readable transport stream. Throws Failure
  // naming the first one that is not.
  explicit JoinedStream(std::vector<InputPart> parts);

  // Reads every part, handing the kept packets to sink in chunks of whole
  // packets; onProgress gets the share of bytes read. Throws Failure naming a
  // clip that can't be read to its end, and Stopped.
  void Write(const Sink& sink, const std::function<void(double)>& onProgress);

  // The first PTS written of each PID, on the joined time line.
  const std::map<int, std::int64_t>& FirstPts() const { return firstPts_; }

  // The PTS at which the joined time line starts (the first in time), if any.
  std::optional<std::int64_t> Origin() const { return parts_.front().inTime; }

 private:
  struct PidState {
    bool keep = false;   // the PES unit (or section) under way is kept
    int counter = -1;    // continuity counter of the last packet written
  };

  void ReadPart(std::size_t index, const Sink& sink, const std::function<void()>& onChunk);
  void TakePacket(std::uint8_t* packet, const PartTiming& timing, std::vector<std::uint8_t>& out);

  std::vector<InputPart> parts_;
  std::vector<PartTiming> timings_;
  std::vector<std::size_t> packetSizes_;
  std::map<int, PidState> pids_;
  std::map<int, std::int64_t> firstPts_;
  std::uintmax_t totalBytes_ = 0, readBytes_ = 0;
};

}  // namespace eac3to
