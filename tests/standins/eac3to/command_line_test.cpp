#include "command_line.h"

#include <gtest/gtest.h>

#include "failure.h"

namespace eac3to {
namespace {

TEST(CommandLine, FolderListingTakesTheFolderAndTheLog) {
  const auto line = ParseCommandLine({"/discs/MOVIE", "-log=/tmp/q/eac3to_log.txt"});
  EXPECT_EQ(line.source, "/discs/MOVIE");
  EXPECT_EQ(line.playlist, 0);
  EXPECT_TRUE(line.tracks.empty());
  EXPECT_EQ(line.logFile, std::filesystem::path("/tmp/q/eac3to_log.txt"));
  EXPECT_FALSE(line.progressNumbers);
}

TEST(CommandLine, StreamListingOfAPlaylistWritesChaptersAsTrackOne) {
  const auto line = ParseCommandLine({"/discs/MOVIE", "12)", "1:", "/tmp/q/cap.txt", "-log=x"});
  EXPECT_EQ(line.playlist, 12);
  ASSERT_EQ(line.tracks.size(), 1u);
  EXPECT_EQ(line.tracks[0].number, 1);
  EXPECT_EQ(line.tracks[0].file, "/tmp/q/cap.txt");
}

TEST(CommandLine, DemuxOptionsBelongToTheTrackTheyFollow) {
  const auto line = ParseCommandLine(
      {"/d/MOVIE", "2)", "2:", "/t/a.job_0.mkv", "3:", "/t/a.job_0.ac3", "-640", "-down16",
       "-down6", "-libav", "5:", "/t/a.job_0.sup", "-progressnumbers", "-log=/t/a.log"});
  ASSERT_EQ(line.tracks.size(), 3u);
  EXPECT_TRUE(line.tracks[0].options.empty());
  EXPECT_EQ(line.tracks[1].Bitrate(), 640);
  EXPECT_TRUE(line.tracks[1].Has("-down16"));
  EXPECT_TRUE(line.tracks[1].Has("-DOWN6"));  // eac3to options ignore case
  EXPECT_TRUE(line.tracks[1].Has("-libav"));
  EXPECT_FALSE(line.tracks[2].Bitrate().has_value());
  EXPECT_TRUE(line.progressNumbers);
}

TEST(CommandLine, KeepDialnormAndCoreAreTrackOptions) {
  const auto line =
      ParseCommandLine({"in.m2ts", "2:", "a.ac3", "-keepDialnorm", "3:", "b.dts", "-core"});
  EXPECT_TRUE(line.tracks[0].Has("-keepdialnorm"));
  EXPECT_FALSE(line.tracks[0].Has("-core"));
  EXPECT_TRUE(line.tracks[1].Has("-core"));
}

TEST(CommandLine, OptionsBeforeTheFirstTrackApplyToAllTracks) {
  const auto line = ParseCommandLine({"in.m2ts", "-libav", "2:", "a.flac", "3:", "b.flac"});
  EXPECT_TRUE(line.tracks[0].Has("-libav"));
  EXPECT_TRUE(line.tracks[1].Has("-libav"));
}

TEST(CommandLine, RefusesWhatItDoesNotUnderstand) {
  EXPECT_THROW(ParseCommandLine({"in.m2ts", "2:", "a.ac3", "-slowdown"}), Failure);
  EXPECT_THROW(ParseCommandLine({"in.m2ts", "2:"}), Failure);
  EXPECT_THROW(ParseCommandLine({"in.m2ts", "2:", "-640"}), Failure);
  EXPECT_THROW(ParseCommandLine({"-log=x.txt"}), Failure);
  EXPECT_THROW(ParseCommandLine({"a.m2ts", "b.m2ts"}), Failure);
  EXPECT_THROW(ParseCommandLine({"/d", "1)", "2)"}), Failure);
  EXPECT_THROW(ParseCommandLine({"in.m2ts", "-log="}), Failure);
}

TEST(CommandLine, TheLogIsFoundEvenWhenTheRestIsWrong) {
  EXPECT_EQ(LogFileArgument({"in.m2ts", "-bogus", "-LOG=/t/x.txt"}),
            std::filesystem::path("/t/x.txt"));
  EXPECT_FALSE(LogFileArgument({"in.m2ts"}).has_value());
}

}  // namespace
}  // namespace eac3to
