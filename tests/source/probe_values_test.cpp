#include <gtest/gtest.h>

#include "source/probe_values.h"

namespace {

TEST(ProbeValues, StreamIdentifiers) {
  EXPECT_EQ(StreamIdOf("4113 (0x1011)"), 4113);
  EXPECT_EQ(StreamIdOf("2"), 2);
  EXPECT_EQ(StreamIdOf("(0x1011)"), 0);
  EXPECT_EQ(StreamIdOf(""), 0);
}

TEST(ProbeValues, FrameRatesOutsideTheTableHaveNoFraction) {
  EXPECT_EQ(FrameRateFraction("23.976"), "24000/1001");
  EXPECT_EQ(FrameRateFraction("59.940"), "60000/1001");
  EXPECT_EQ(FrameRateFraction("47.952"), "");
  EXPECT_EQ(FrameRateFraction("25"), "");
}

TEST(ProbeValues, TheShownRateLeavesTheFractionOut) {
  EXPECT_EQ(FrameRateShown("23.976 (24000/1001) FPS"), "23.976 FPS");
  EXPECT_EQ(FrameRateShown("25.000 FPS"), "25.000 FPS");
  EXPECT_EQ(FrameRateShown("29.970 (30000/1001"), "29.970 (30000/1001");
}

TEST(ProbeValues, ScanTypes) {
  EXPECT_EQ(ScanTypeOf("Interlaced"), "i");
  EXPECT_EQ(ScanTypeOf("interlaced"), "i");
  EXPECT_EQ(ScanTypeOf("MBAFF"), "i");
  EXPECT_EQ(ScanTypeOf("PAFF"), "i");
  EXPECT_EQ(ScanTypeOf("Progressive"), "p");
  EXPECT_EQ(ScanTypeOf("mbaff"), "p");
  EXPECT_EQ(ScanTypeOf(""), "p");
}

TEST(ProbeValues, SeveralValuesInOneText) {
  EXPECT_EQ(FirstLanguageCode("en / eng / en"), "eng");
  EXPECT_EQ(FirstLanguageCode("en / fr"), "");
  EXPECT_EQ(FirstLanguageCode("en"), "en");
  EXPECT_EQ(FirstLanguageName("en / English"), "English");
  EXPECT_EQ(FirstLanguageName("Spanish"), "Spanish");
  EXPECT_EQ(FirstProfile("MA / Core"), "MA");
  EXPECT_EQ(FirstProfile("Layer 3"), "Layer 3");
}

TEST(ProbeValues, AudioBitrates) {
  AudioBitrates rates = AudioBitratesOf("Variable / 1509000", "MA");
  EXPECT_EQ(rates.isHd, 1);
  EXPECT_EQ(rates.hdBitrateKbps, 0);
  EXPECT_EQ(rates.bitrateKbps, 1509);
  rates = AudioBitratesOf("3500000", "MA");
  EXPECT_EQ(rates.isHd, 1);
  EXPECT_EQ(rates.hdBitrateKbps, 3500);
  EXPECT_EQ(rates.bitrateKbps, 1509);
  rates = AudioBitratesOf("2000000 / 640000", "");
  EXPECT_EQ(rates.isHd, 1);
  EXPECT_EQ(rates.hdBitrateKbps, 2000);
  EXPECT_EQ(rates.bitrateKbps, 640);
  rates = AudioBitratesOf("448000", "");
  EXPECT_EQ(rates.isHd, 0);
  EXPECT_EQ(rates.hdBitrateKbps, 0);
  EXPECT_EQ(rates.bitrateKbps, 448);
  rates = AudioBitratesOf("", "HRA");
  EXPECT_EQ(rates.bitrateKbps, 1509);
}

TEST(ProbeValues, DurationsAndForcedTitles) {
  EXPECT_EQ(DurationTextSeconds("1:45:32"), 6332);
  EXPECT_EQ(DurationTextSeconds("01:45:32"), 6332);
  EXPECT_EQ(DurationTextSeconds("99999:00:00"), 359996400);
  EXPECT_TRUE(TitleSaysForced("English FORCED"));
  EXPECT_TRUE(TitleSaysForced("Subt\u00EDtulos forzados"));
  EXPECT_FALSE(TitleSaysForced("Commentary"));
  EXPECT_FALSE(TitleSaysForced(""));
}

}  // namespace
