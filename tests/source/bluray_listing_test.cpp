#include <gtest/gtest.h>

#include "source/bluray_listing.h"

namespace {

const std::string kHead =
    "\neac3to v3.34\ncommand line: eac3to \"/media/DISC\" -log=\"/tmp/eac3to_log.txt\"\n"
    "------------------------------------------------------------------------------\n";

std::string Listing(const std::string& playlists) { return kHead + playlists + "\n"; }

TEST(DecideListing, ASingleClipDiscLoadsItsFirstPlaylist) {
  const auto decision = DecideListing(Listing("1) 00800.mpls, 00001.m2ts, 1:52:10\n   - h264/AVC, 1080p24\n"));
  EXPECT_EQ(decision.kind, ListingDecision::LoadMainPlaylist);
  EXPECT_EQ(decision.clipFile, "00001.m2ts");
  EXPECT_EQ(decision.durationText, "1:52:10");
}

TEST(DecideListing, ASecondSingleClipPlaylistOfMoreThanFortyMinutesAsksWhichOne) {
  const std::string first = "1) 00800.mpls, 00001.m2ts, 1:52:10\n";
  auto decision = DecideListing(Listing(first + "2) 00801.mpls, 00002.m2ts, 0:41:00\n"));
  EXPECT_EQ(decision.kind, ListingDecision::ChoosePlaylist);
  EXPECT_EQ(decision.info, "This Blu-Ray seems to contain two or more main playlists.");
  // Seconds do not count: 0:40:59 is forty minutes.
  decision = DecideListing(Listing(first + "2) 00801.mpls, 00002.m2ts, 0:40:59\n"));
  EXPECT_EQ(decision.kind, ListingDecision::LoadMainPlaylist);
  EXPECT_EQ(decision.clipFile, "00001.m2ts");
  // A second playlist of several clips does not stand in the way.
  decision = DecideListing(Listing(first + "2) 00802.mpls, 1:10:00\n   [00003+00004].m2ts\n"));
  EXPECT_EQ(decision.kind, ListingDecision::LoadMainPlaylist);
}

TEST(DecideListing, AFirstPlaylistOfSeveralClipsAlwaysAsks) {
  const auto decision =
      DecideListing(Listing("1) 00800.mpls, 1:52:10\n   [00001+00002+00003].m2ts\n2) 00801.mpls, 00009.m2ts, 0:02:00\n"));
  EXPECT_EQ(decision.kind, ListingDecision::ChoosePlaylist);
  EXPECT_EQ(decision.info, "");
}

TEST(DecideListing, UnreadableListingsFail) {
  EXPECT_EQ(DecideListing("").kind, ListingDecision::Fail);
  EXPECT_EQ(DecideListing(Listing("<error> The source file format is unknown.\n")).kind, ListingDecision::Fail);
  EXPECT_EQ(DecideListing(Listing("1) 00800.mpls, 00001.m2ts, 1:52:10\n<ERROR> oops\n")).kind, ListingDecision::Fail);
  EXPECT_EQ(DecideListing(Listing("M2TS, 1 video track\n2) 00801.mpls, 00002.m2ts, 0:41:00\n")).kind,
            ListingDecision::Fail);
  EXPECT_EQ(DecideListing(Listing("1) 00800.mpls, 00001.m2ts\n")).kind, ListingDecision::Fail);
  EXPECT_EQ(DecideListing(Listing("1) 00800.mpls, 00001.m2ts, 1:52:10\n2) 00801.mpls 00002.m2ts\n")).kind,
            ListingDecision::Fail);
}

TEST(ParsePlaylistLines, OneAndSeveralClipsUpToFifteen) {
  std::string listing = kHead +
                        "1) 00800.mpls, 1:52:10\n   [00001+00002+00003].m2ts\n   - Chapters, 16 chapters\n"
                        "2) 00801.mpls, 00004.m2ts, 0:41:00 (extra)\n";
  for (int n = 3; n <= 16; ++n) listing += std::to_string(n) + ") 0090" + std::to_string(n) + ".mpls, 00010.m2ts, 0:01:00\n";
  const auto lines = ParsePlaylistLines(listing);
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[0].number, 1);
  EXPECT_EQ(lines[0].name, "00800.mpls");
  EXPECT_EQ(lines[0].clips, "00001+00002+00003");
  EXPECT_EQ(lines[0].durationText, "1:52:10");
  EXPECT_EQ(lines[1].clips, "00004.m2ts");
  EXPECT_EQ(lines[1].durationText, "0:41:00");
  EXPECT_EQ(lines[14].number, 15);
  EXPECT_EQ(lines[14].name, " 009015.mpls");  // eac3to's alignment blank stays
}

TEST(ParsePlaylistLines, StopsAtAGapOrALineThatDoesNotSplit) {
  EXPECT_EQ(ParsePlaylistLines(kHead + "1) 00800.mpls, 00001.m2ts, 1:00:00\n3) 00802.mpls, 00003.m2ts, 1:00:00\n").size(), 1u);
  EXPECT_EQ(ParsePlaylistLines(kHead + "1) 00800.mpls\n2) 00801.mpls, 00002.m2ts, 1:00:00\n").size(), 0u);
  // Clips announced on a next line that never ends.
  EXPECT_EQ(ParsePlaylistLines(kHead + "1) 00800.mpls, 1:52:10\n   [00001+00002].m2ts").size(), 0u);
}

TEST(DurationToSeconds, HoursAndMinutesOnly) {
  EXPECT_EQ(DurationToSeconds("1:52:10"), 6720);
  EXPECT_EQ(DurationToSeconds("0:41:00"), 2460);
  EXPECT_EQ(DurationToSeconds("0:40:59"), 2400);
  EXPECT_EQ(DurationToSeconds("2:05"), 7500);
  EXPECT_EQ(DurationToSeconds("95"), -1);
  EXPECT_EQ(DurationToSeconds(""), -1);
}

}  // namespace
