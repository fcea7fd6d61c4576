#include "audio_headers.h"

namespace eac3to {
namespace {

class BitReader {
 public:
  BitReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool Fits(std::size_t bits) const { return position_ + bits <= size_ * 8; }

  unsigned Read(int bits) {
    unsigned value = 0;
    for (int i = 0; i < bits; ++i, ++position_) {
      const unsigned bit = (data_[position_ / 8] >> (7 - position_ % 8)) & 1u;
      value = (value << 1) | bit;
    }
    return value;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t position_ = 0;
};

constexpr int kDtsRates[16] = {0, 8000, 16000, 32000, 0, 0, 11025, 22050,
                               44100, 0, 0, 12000, 24000, 48000, 0, 0};
constexpr int kDtsChannels[10] = {1, 2, 2, 2, 2, 3, 3, 4, 4, 5};

}  // namespace

std::optional<DtsCoreHeader> ParseDtsCoreHeader(const std::uint8_t* data, std::size_t size) {
  BitReader bits(data, size);
  if (!bits.Fits(96) || bits.Read(32) != 0x7FFE8001u) return std::nullopt;
  bits.Read(1 + 5 + 1);                  // frame type, deficit samples, CRC flag
  const unsigned blocks = bits.Read(7) + 1;
  const unsigned frameBytes = bits.Read(14) + 1;
  const unsigned amode = bits.Read(6);
  const int rate = kDtsRates[bits.Read(4)];
  bits.Read(5 + 1 + 1 + 1 + 1 + 1 + 3 + 1 + 1);  // rate index up to the ASPF flag
  const unsigned lff = bits.Read(2);
  if (rate == 0 || amode >= 10) return std::nullopt;
  DtsCoreHeader header;
  header.channels = kDtsChannels[amode];
  header.lfe = lff != 0;
  header.sampleRate = rate;
  const std::uint64_t bitsPerSecond =
      std::uint64_t{frameBytes} * 8 * static_cast<unsigned>(rate) / (blocks * 32);
  header.kbps = static_cast<int>(bitsPerSecond / 1000);
  return header;
}

std::optional<int> ParseAc3Dialnorm(const std::uint8_t* data, std::size_t size) {
  BitReader bits(data, size);
  if (!bits.Fits(64) || bits.Read(16) != 0x0B77u) return std::nullopt;
  bits.Read(16 + 2 + 6);  // CRC, sample rate code, frame size code
  if (bits.Read(5) > 10) return std::nullopt;  // E-AC-3 lays out its header otherwise
  bits.Read(3);                                // bitstream mode
  const unsigned acmod = bits.Read(3);
  if ((acmod & 1u) && acmod != 1) bits.Read(2);  // centre mix level
  if (acmod & 4u) bits.Read(2);                  // surround mix level
  if (acmod == 2) bits.Read(2);                  // Dolby Surround mode
  bits.Read(1);                                  // LFE on
  const int dialnorm = static_cast<int>(bits.Read(5));
  return dialnorm == 0 ? -31 : -dialnorm;
}

}  // namespace eac3to
