// Time, rates and the forced-track rule at their boundaries.

#include <gtest/gtest.h>

#include "scanner/scan_lines.h"
#include "scanner/scan_measures.h"

namespace {

using namespace scanner;

TEST(ScanMeasures, TimeIsTheDurationShareOfThePacketsRead) {
  EXPECT_DOUBLE_EQ(ScannedTimeMs(6000000, 1000, 3000), 2000000);
  EXPECT_DOUBLE_EQ(ScannedTimeMs(6000000, 3000, 3000), 6000000);
  // Large counts stay exact: no 32-bit product.
  EXPECT_DOUBLE_EQ(ScannedTimeMs(7200000, 4000000000u, 4000000000u), 7200000);
  EXPECT_EQ(ScannedTimeMs(6000000, 10, 0), 0);  // never sized
  EXPECT_EQ(ScannedTimeMs(0, 10, 100), 0);      // no duration known
}

TEST(ScanMeasures, RatesWithoutTimeOrWithAbsurdTimeStayInRange) {
  EXPECT_EQ(RateKbps(1000, kPacketBits, 0), 0);
  EXPECT_EQ(RoundedKbps(1, kPacketBits, 3072), 1);  // 0.5 rounds up
  EXPECT_EQ(RoundedKbps(4000000000u, kPacketBits, 0.001), INT32_MAX);  // a damaged duration
}

TEST(ScanMeasures, ForcedTrackNeedsMoreThanTenMinutesBelowFourKbps) {
  EXPECT_EQ(ClassifyForced(0, 3.99, 600001), -1);
  EXPECT_EQ(ClassifyForced(0, 3.99, 600000), 0);
  EXPECT_EQ(ClassifyForced(0, 4.0, 3600000), 0);
  EXPECT_EQ(ClassifyForced(-1, 12.0, 3600000), 0);  // a guess the rate no longer supports
  EXPECT_EQ(ClassifyForced(3, 0.5, 3600000), 3);    // counted captions win
  EXPECT_EQ(ForcedNote(3), "(3 forced)");
  EXPECT_EQ(ForcedNote(-1), "(forced track)");
  EXPECT_EQ(ForcedNote(0), "");
}

}  // namespace
