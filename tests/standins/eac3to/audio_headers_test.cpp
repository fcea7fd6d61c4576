#include "audio_headers.h"

#include <gtest/gtest.h>

#include <vector>

namespace eac3to {
namespace {

// Packs fields MSB first, the way both headers are laid out.
class BitWriter {
 public:
  BitWriter& Put(unsigned value, int bits) {
    for (int i = bits - 1; i >= 0; --i) {
      if (used_ % 8 == 0) bytes_.push_back(0);
      if ((value >> i) & 1u) bytes_.back() |= static_cast<std::uint8_t>(0x80u >> (used_ % 8));
      ++used_;
    }
    return *this;
  }
  std::vector<std::uint8_t> Bytes() {
    auto bytes = bytes_;
    bytes.resize(bytes.size() + 8, 0);
    return bytes;
  }

 private:
  std::vector<std::uint8_t> bytes_;
  int used_ = 0;
};

std::vector<std::uint8_t> DtsCore(unsigned frameBytes, unsigned amode, unsigned lff) {
  BitWriter w;
  w.Put(0x7FFE8001u, 32).Put(1, 1).Put(31, 5).Put(0, 1).Put(15, 7).Put(frameBytes - 1, 14);
  w.Put(amode, 6).Put(13, 4).Put(24, 5).Put(0, 15 - 5).Put(lff, 2);
  return w.Bytes();
}

TEST(DtsCoreHeader, BlurayCoreOf2013ByteFramesIs1509Kbps) {
  const auto bytes = DtsCore(2013, 9, 1);
  const auto header = ParseDtsCoreHeader(bytes.data(), bytes.size());
  ASSERT_TRUE(header.has_value());
  EXPECT_EQ(header->kbps, 1509);
  EXPECT_EQ(header->channels, 5);
  EXPECT_TRUE(header->lfe);
  EXPECT_EQ(header->sampleRate, 48000);
}

TEST(DtsCoreHeader, HalfRateCoreAndStereoWithoutLfe) {
  const auto bytes = DtsCore(1006, 2, 0);
  const auto header = ParseDtsCoreHeader(bytes.data(), bytes.size());
  ASSERT_TRUE(header.has_value());
  EXPECT_EQ(header->kbps, 754);
  EXPECT_EQ(header->channels, 2);
  EXPECT_FALSE(header->lfe);
}

TEST(DtsCoreHeader, RefusesOtherDataAndShortInput) {
  auto bytes = DtsCore(2013, 9, 1);
  EXPECT_FALSE(ParseDtsCoreHeader(bytes.data(), 8).has_value());
  bytes[0] = 0x7F, bytes[1] = 0xFE, bytes[2] = 0x80, bytes[3] = 0x00;
  EXPECT_FALSE(ParseDtsCoreHeader(bytes.data(), bytes.size()).has_value());
}

std::vector<std::uint8_t> Ac3(unsigned bsid, unsigned acmod, unsigned dialnorm) {
  BitWriter w;
  w.Put(0x0B77, 16).Put(0, 16).Put(0, 2).Put(0x1C, 6).Put(bsid, 5).Put(0, 3).Put(acmod, 3);
  if ((acmod & 1u) && acmod != 1) w.Put(0, 2);
  if (acmod & 4u) w.Put(0, 2);
  if (acmod == 2) w.Put(0, 2);
  w.Put(1, 1).Put(dialnorm, 5);
  return w.Bytes();
}

TEST(Ac3Dialnorm, ReadsPastTheOptionalMixFieldsOfEachChannelMode) {
  for (unsigned acmod = 0; acmod < 8; ++acmod) {
    const auto bytes = Ac3(8, acmod, 27);
    EXPECT_EQ(ParseAc3Dialnorm(bytes.data(), bytes.size()), -27) << "acmod " << acmod;
  }
}

TEST(Ac3Dialnorm, ZeroMeansMinus31AndEac3IsNotRead) {
  const auto zero = Ac3(8, 7, 0);
  EXPECT_EQ(ParseAc3Dialnorm(zero.data(), zero.size()), -31);
  const auto eac3 = Ac3(16, 7, 27);
  EXPECT_FALSE(ParseAc3Dialnorm(eac3.data(), eac3.size()).has_value());
}

}  // namespace
}  // namespace eac3to
