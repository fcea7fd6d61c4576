// Counting chunks of packets built byte by byte.

#include <gtest/gtest.h>

#include "packet_builder.h"
#include "scanner/count_packets.h"

namespace {

using namespace scantest;
using scanner::kFirstAudioSlot;
using scanner::kFirstSubtitleSlot;
using scanner::kFirstVideoSlot;

class CountScanPackets : public ::testing::Test {
 protected:
  CountScanPackets() {
    source_.videoCount = 1;
    source_.video[0].id = kVideoPid;
    source_.audioCount = 2;
    source_.audio[0].id = kAudioPid;
    source_.audio[1].id = kHdAudioPid;
    source_.subtitleCount = 1;
    source_.subtitle[0].id = kSubtitlePid;
  }

  int Count(const std::string& bytes) {
    const auto pids = scanner::BuildPidTable(source_);
    return scanner::CountScanPackets(counters_, pids, reinterpret_cast<const uint8_t*>(bytes.data()),
                                     bytes.size());
  }
  uint32_t Done() const { return counters_.donePackets.load(); }
  uint32_t At(int slot) const { return counters_.packets[slot].load(); }
  int32_t Forced() const { return counters_.forcedCaptions[0].load(); }

  SourceInfo source_{};
  scanner::ScanCounters counters_;
};

TEST_F(CountScanPackets, CountsWholePacketsOnlyAndLeavesATrailingPartUnchecked) {
  std::string tail = Packets(kAudioPid).substr(0, 100);
  tail[4] = 0;  // a part packet is not even checked for its sync byte
  EXPECT_EQ(Count(Packets(kVideoPid, 5) + Packets(kAudioPid, 2) + tail), 0);
  EXPECT_EQ(Done(), 7u);
  EXPECT_EQ(At(kFirstVideoSlot), 5u);
  EXPECT_EQ(At(kFirstAudioSlot), 2u);
  EXPECT_EQ(Count(tail), 0);
  EXPECT_EQ(Done(), 7u);
}

TEST_F(CountScanPackets, PidsBelow0x1004AndUnknownPidsFeedNoTrack) {
  source_.audio[1].id = 0x1003;  // a track on a system PID still never counts
  source_.subtitle[0].id = 0x1004;
  EXPECT_EQ(Count(Packets(0x0000) + Packets(0x0100) + Packets(0x1001) + Packets(0x1003) + Packets(0x1004, 2) +
                  Packets(0x1FFF) + Packets(0x1012)),
            0);
  EXPECT_EQ(Done(), 8u);
  EXPECT_EQ(At(kFirstAudioSlot + 1), 0u);
  EXPECT_EQ(At(kFirstSubtitleSlot), 2u);
  uint32_t all = 0;
  for (const auto& slot : counters_.packets) all += slot.load();
  EXPECT_EQ(all, 2u);
}

TEST_F(CountScanPackets, APidInTwoTablesCountsOnlyInTheFirst) {
  source_.audio[0].id = kVideoPid;
  source_.subtitle[0].id = kHdAudioPid;
  source_.subtitleCount = 2;
  source_.subtitle[1].id = kHdAudioPid;
  Count(Packets(kVideoPid, 3) + Packets(kHdAudioPid, 2));
  EXPECT_EQ(At(kFirstVideoSlot), 3u);
  EXPECT_EQ(At(kFirstAudioSlot), 0u);
  EXPECT_EQ(At(kFirstAudioSlot + 1), 2u);
  EXPECT_EQ(At(kFirstSubtitleSlot), 0u);
  EXPECT_EQ(At(kFirstSubtitleSlot + 1), 0u);
}

TEST_F(CountScanPackets, TracksBeyondTheCountsAreNotLookedUp) {
  source_.audioCount = 1;
  source_.subtitleCount = 99;  // an unchecked count reads no further than the table
  Count(Packets(kHdAudioPid, 2) + Packets(kSubtitlePid));
  EXPECT_EQ(At(kFirstAudioSlot + 1), 0u);
  EXPECT_EQ(At(kFirstSubtitleSlot), 1u);
}

TEST_F(CountScanPackets, ABadFirstPacketCountsNothing) {
  EXPECT_EQ(Count(BadPacket() + Packets(kVideoPid, 9)), 1);
  EXPECT_EQ(Done(), 0u);
  EXPECT_EQ(At(kFirstVideoSlot), 0u);
}

TEST_F(CountScanPackets, ALaterBadPacketKeepsThePacketsBeforeIt) {
  // Bad packets early and late in a chunk: counting goes four packets at a time.
  for (int before : {1, 6, 13}) {
    scanner::ScanCounters fresh;
    const auto pids = scanner::BuildPidTable(source_);
    const std::string bytes = Packets(kVideoPid, before) + BadPacket() + Packets(kVideoPid, 3);
    EXPECT_EQ(scanner::CountScanPackets(fresh, pids, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), 1);
    EXPECT_EQ(fresh.donePackets.load(), static_cast<uint32_t>(before + 4)) << before;
    EXPECT_EQ(fresh.packets[kFirstVideoSlot].load(), static_cast<uint32_t>(before)) << before;
  }
}

TEST_F(CountScanPackets, ForcedCaptionsOnlyInTheExactPlacement) {
  std::string bytes = CompositionPacket(kSubtitlePid, {});
  EXPECT_EQ(static_cast<uint8_t>(bytes[170]), 0x16);
  EXPECT_EQ(static_cast<uint8_t>(bytes[180]), 0x80);
  EXPECT_EQ(static_cast<uint8_t>(bytes[187]), 0x40);
  bytes += CompositionPacket(kSubtitlePid, {.objects = 2});
  bytes += CompositionPacket(kSubtitlePid, {.cropped = true});
  bytes += CompositionPacket(kSubtitlePid, {.forced = false});
  bytes += CompositionPacket(kSubtitlePid, {.state = 0x00});  // a normal case, not an epoch start
  bytes += CompositionPacket(kSubtitlePid, {.end = 180});
  bytes += CompositionPacket(kAudioPid, {});  // the same bytes on an audio track
  EXPECT_EQ(Count(bytes), 0);
  EXPECT_EQ(At(kFirstSubtitleSlot), 6u);
  EXPECT_EQ(Forced(), 1);
}

TEST_F(CountScanPackets, ACountedCaptionReplacesAWholeTrackGuess) {
  counters_.forcedCaptions[0] = -1;
  Count(CompositionPacket(kSubtitlePid, {}));
  EXPECT_EQ(Forced(), 1);
  Count(CompositionPacket(kSubtitlePid, {}) + CompositionPacket(kSubtitlePid, {}));
  EXPECT_EQ(Forced(), 3);
}

}  // namespace
