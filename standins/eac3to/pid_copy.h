#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <ostream>
#include <vector>

#include "joined_stream.h"

namespace eac3to {

// Writes the payload of every PES packet of one PID to out, in stream order.
// A Blu-ray TrueHD track keeps its AC-3 frames interleaved this way, which is
// what a ".thd+ac3" file holds. Handles 188- and 192-byte packets.
class PesPayloadWriter {
 public:
  PesPayloadWriter(int pid, std::ostream& out) : pid_(pid), out_(out) {}
  // Takes whole transport packets of packetSize bytes.
  void Feed(const std::uint8_t* packets, std::size_t size, std::size_t packetSize);

 private:
  void TakePacket(const std::uint8_t* packet);

  int pid_;
  std::ostream& out_;
};

// Copies the PID's payload from the joined clips, each from its in time to
// its out time. onProgress gets the share of bytes read. Throws Failure and
// Stopped.
void CopyPidPayload(JoinedStream& stream, int pid, const std::filesystem::path& out,
                    const std::function<void(double)>& onProgress);

}  // namespace eac3to
