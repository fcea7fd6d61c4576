#include <gtest/gtest.h>

#include "ui/column_stops.h"

namespace {

TEST(ColumnStops, SplitsAtLeftAndRightStops) {
  auto columns = ui::SplitColumnStops("4113\033p60lAVC\033p300r1234");
  ASSERT_EQ(columns.size(), 3u);
  EXPECT_EQ(columns[0].text, "4113");
  EXPECT_EQ(columns[1].x, 60);
  EXPECT_FALSE(columns[1].rightAligned);
  EXPECT_EQ(columns[1].text, "AVC");
  EXPECT_EQ(columns[2].x, 300);
  EXPECT_TRUE(columns[2].rightAligned);
  EXPECT_EQ(columns[2].text, "1234");
  EXPECT_EQ(ui::PlainLabel("4113\033p60lAVC"), "4113 AVC");
}

TEST(ColumnStops, AMalformedStopStaysText) {
  auto columns = ui::SplitColumnStops("a\033p12xb\033p");
  ASSERT_EQ(columns.size(), 1u);
  EXPECT_EQ(columns[0].text, "a\033p12xb\033p");
  auto leading = ui::SplitColumnStops("\033p10lx");
  ASSERT_EQ(leading.size(), 1u);
  EXPECT_EQ(leading[0].x, 10);
}

}  // namespace
