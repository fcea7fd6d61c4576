#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace eac3to {

// 188 or 192 from the first bytes of a transport stream; 0 when it is none.
std::size_t DetectPacketSize(const std::uint8_t* data, std::size_t size);

// Fields of one 188-byte transport stream packet, read and rewritten in
// place. Timestamps are on the 90 kHz clock and wrap at 2^33.
namespace ts {

constexpr std::uint8_t kSync = 0x47;
constexpr std::int64_t kWrap = std::int64_t{1} << 33;

int Pid(const std::uint8_t* packet);
bool UnitStart(const std::uint8_t* packet);
bool HasPayload(const std::uint8_t* packet);
void SetContinuity(std::uint8_t* packet, int counter);

// The payload's first byte, 188 when the packet carries none.
int PayloadOffset(const std::uint8_t* packet);

// True when the payload starts a PES packet (00 00 01 and a stream id).
bool StartsPes(const std::uint8_t* packet);

// The PTS of the PES header that starts in this packet.
std::optional<std::int64_t> PesPts(const std::uint8_t* packet);

// Adds delta (modulo 2^33) to the PTS and DTS of a PES header starting in
// this packet and to the PCR of its adaptation field.
void ShiftTimestamps(std::uint8_t* packet, std::int64_t delta);

// a - b on the wrapping clock, in [-2^32, 2^32).
std::int64_t Difference(std::int64_t a, std::int64_t b);

}  // namespace ts
}  // namespace eac3to
