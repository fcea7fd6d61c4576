#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace eac3to {

// What the first frame header of a DTS core says.
struct DtsCoreHeader {
  int channels = 0;  // main channels, without LFE
  bool lfe = false;
  int sampleRate = 0;
  int kbps = 0;  // from the frame size, the way a 1509 kb/s core shows as 1509
};

// Reads a 16-bit big-endian DTS core frame header at the start of data.
std::optional<DtsCoreHeader> ParseDtsCoreHeader(const std::uint8_t* data, std::size_t size);

// The dialogue normalisation of an AC-3 frame at the start of data, in dB
// (-1 to -31), or nothing when data is no AC-3 frame.
std::optional<int> ParseAc3Dialnorm(const std::uint8_t* data, std::size_t size);

}  // namespace eac3to
