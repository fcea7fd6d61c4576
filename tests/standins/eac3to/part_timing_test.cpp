// How the clips of a playlist are cut and moved onto its time line, and the
// transport stream fields that carry it.
#include <gtest/gtest.h>

#include <array>

#include "part_timing.h"
#include "ts_fields.h"

namespace eac3to {
namespace {

constexpr std::int64_t kSecond = 90000;

InputPart Part(std::int64_t in, std::int64_t out) { return {"clip.m2ts", in, out}; }

TEST(PartTiming, ClipsOnOneClockJoinUncutAndOthersAreCutAtTheirTimes) {
  // 00001 [600 s, 604 s) and 00002 [604 s, 608 s) are one split stream;
  // 00003 restarts its own clock at 10 s.
  const auto timings = PlanPartTimings({Part(600 * kSecond, 604 * kSecond), Part(604 * kSecond, 608 * kSecond),
                                        Part(10 * kSecond, 15 * kSecond)});
  ASSERT_EQ(timings.size(), 3u);
  EXPECT_EQ(timings[0].shift, 0);
  EXPECT_EQ(timings[0].from, 600 * kSecond);
  EXPECT_EQ(timings[0].to, std::nullopt);  // the junction is not cut
  EXPECT_EQ(timings[1].shift, 0);
  EXPECT_TRUE(timings[1].continuesBefore);
  EXPECT_EQ(timings[1].from, std::nullopt);
  EXPECT_EQ(timings[1].to, 608 * kSecond);
  EXPECT_EQ(timings[2].shift, 598 * kSecond);  // 10 s comes right after 608 s
  EXPECT_FALSE(timings[2].continuesBefore);
  EXPECT_EQ(timings[2].from, 10 * kSecond);
  EXPECT_EQ(timings[2].to, 15 * kSecond);
}

TEST(PartTiming, TheWindowHoldsItsInTimeButNotItsOutTime) {
  const auto timing = PlanPartTimings({Part(100, 1000)}).front();
  const struct {
    std::int64_t pts;
    bool kept;
  } cases[] = {{98, false}, {99, true}, {100, true}, {998, true}, {999, false}, {1000, false}};
  for (const auto& c : cases) EXPECT_EQ(InWindow(timing, c.pts), c.kept) << c.pts;
}

TEST(PartTiming, ClocksThatWrapAroundJoinOnward) {
  const std::int64_t nearWrap = ts::kWrap - 2 * kSecond;
  const auto timings = PlanPartTimings({Part(nearWrap, nearWrap + 4 * kSecond), Part(kSecond, 3 * kSecond)});
  EXPECT_EQ(timings[1].shift, kSecond);  // 2 s past the wrap, where 00001 ended
  EXPECT_TRUE(InWindow(timings[0], 1000));  // already wrapped, still inside
  EXPECT_EQ(ts::Difference(5, ts::kWrap - 5), 10);
}

// A video packet starting a PES unit with PTS and DTS, and a PCR.
std::array<std::uint8_t, 188> PesPacket(std::int64_t pts, std::int64_t dts, std::int64_t pcr) {
  std::array<std::uint8_t, 188> p{};
  p[0] = 0x47;
  p[1] = 0x40 | 0x10;  // unit start, PID 0x1011
  p[2] = 0x11;
  p[3] = 0x30 | 7;     // adaptation and payload, counter 7
  p[4] = 7;            // adaptation length: flags and PCR
  p[5] = 0x10;
  for (int i = 0; i < 5; ++i) p[6 + i] = static_cast<std::uint8_t>((pcr << 7) >> (32 - 8 * i));
  std::uint8_t* pes = p.data() + 12;
  pes[2] = 1;
  pes[3] = 0xE0;
  pes[7] = 0xC0;
  pes[8] = 10;
  const auto stamp = [](std::uint8_t* b, int prefix, std::int64_t v) {
    b[0] = static_cast<std::uint8_t>((prefix << 4) | ((v >> 29) & 0x0E) | 1);
    b[1] = static_cast<std::uint8_t>(v >> 22);
    b[2] = static_cast<std::uint8_t>(((v >> 14) & 0xFE) | 1);
    b[3] = static_cast<std::uint8_t>(v >> 7);
    b[4] = static_cast<std::uint8_t>(((v << 1) & 0xFE) | 1);
  };
  stamp(pes + 9, 3, pts);
  stamp(pes + 14, 1, dts);
  return p;
}

TEST(TsFields, TimestampsMoveTogetherAndWrap) {
  auto packet = PesPacket(ts::kWrap - 100, ts::kWrap - 3100, ts::kWrap - 5000);
  EXPECT_EQ(ts::Pid(packet.data()), 0x1011);
  EXPECT_EQ(ts::PayloadOffset(packet.data()), 12);
  ASSERT_TRUE(ts::StartsPes(packet.data()));
  ts::ShiftTimestamps(packet.data(), 3600);
  EXPECT_EQ(ts::PesPts(packet.data()), 3500);
  const auto expected = PesPacket(3500, 500, ts::kWrap - 1400);
  EXPECT_EQ(packet, expected);
  ts::SetContinuity(packet.data(), 12);
  EXPECT_EQ(packet[3], 0x3C);
}

}  // namespace
}  // namespace eac3to
