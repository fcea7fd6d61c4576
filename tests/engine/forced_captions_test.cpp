// Keeping the forced captions of a PGS stream: the decision at each epoch
// start, whole segments only, and the inputs that end or fail the copy.

#include "engine/forced_captions.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "harness/temp_dir.h"
#include "pgs_stream.h"

namespace {

using namespace test::pgs;

class ForcedCaptions : public ::testing::Test {
 protected:
  // Extracts from a file holding `stream`; the output's bytes.
  std::string Kept(const std::string& stream) {
    test::WriteFile(input, stream);
    EXPECT_EQ(ExtractForcedCaptions(input, output), "");
    EXPECT_TRUE(std::filesystem::exists(output));
    return test::ReadFile(output);
  }
  test::TempDir dir;
  const std::string input = dir / "Movie.job_0.sup";
  const std::string output = dir / "Movie.job_0.forced.sup";
};

TEST_F(ForcedCaptions, EpochsThatAreAllUnforcedGiveAnEmptyFile) {
  EXPECT_EQ(Kept(DisplaySet(true, false, 90000) + DisplaySet(true, false, 270000)), "");
}

TEST_F(ForcedCaptions, AForcedEpochKeepsEverySegmentUntilTheNextEpochStart) {
  const std::string forced = DisplaySet(true, true, 90000);
  const std::string clear = Composition(false, false, 180000) + Segment(kEnd, "", 180000);
  const std::string unforced = DisplaySet(true, false, 270000);
  EXPECT_EQ(Kept(forced + clear + unforced), forced + clear);
}

TEST_F(ForcedCaptions, AForcedFlagOutsideAnEpochStartDecidesNothing) {
  const std::string forcedLater = DisplaySet(true, true, 270000);
  EXPECT_EQ(Kept(DisplaySet(true, false, 90000) + DisplaySet(false, true, 180000) + forcedLater), forcedLater);
}

TEST_F(ForcedCaptions, AnEpochStartWithoutAnObjectCountsAsNotForced) {
  const std::string forced = DisplaySet(true, true, 90000);
  EXPECT_EQ(Kept(forced + EmptyEpochStart(180000) + Segment(kEnd, "", 180000)), forced);
}

TEST_F(ForcedCaptions, AZeroLengthSegmentFollowsTheCurrentDecision) {
  const std::string forced = Composition(true, true) + Segment(kEnd, "");
  const std::string unforced = Composition(true, false, 9000) + Segment(kEnd, "", 9000);
  EXPECT_EQ(Kept(forced + unforced), forced);
  EXPECT_EQ(Kept(unforced + forced), forced);
}

TEST_F(ForcedCaptions, ATruncatedLastSegmentIsDropped) {
  const std::string whole = DisplaySet(true, true, 90000);
  const std::string next = Segment(kWindow, std::string(10, '\x01'), 90000);
  EXPECT_EQ(Kept(whole + next.substr(0, next.size() - 1)), whole) << "short payload";
  EXPECT_EQ(Kept(whole + next.substr(0, 12)), whole) << "short header";
}

TEST_F(ForcedCaptions, TheCopyStopsAtTheFirstHeaderWithoutPg) {
  const std::string forced = DisplaySet(true, true);
  EXPECT_EQ(Kept("eac3to track\n" + forced), "") << "a file that does not start with PG";
  EXPECT_EQ(Kept(forced + "XG" + forced.substr(2)), forced);
}

TEST_F(ForcedCaptions, TheLargestSegmentIsCopiedWhole) {
  const std::string big = Segment(kObject, std::string(65535, '\x7f'));
  EXPECT_EQ(Kept(Composition(true, true) + big), Composition(true, true) + big);
}

TEST_F(ForcedCaptions, AMissingOrUnreadableInputFailsNamingItAndLeavesNoOutput) {
  EXPECT_EQ(ExtractForcedCaptions(input, output), "cannot read " + input + ": No such file or directory");
  EXPECT_FALSE(std::filesystem::exists(output));
  std::filesystem::create_directory(input);  // opens, but every read fails
  EXPECT_EQ(ExtractForcedCaptions(input, output), "cannot read " + input + ": Is a directory");
  EXPECT_FALSE(std::filesystem::exists(output)) << "opened before the read failed, then removed";
}

TEST_F(ForcedCaptions, AWriteErrorFailsNamingBothFiles) {
  test::WriteFile(input, DisplaySet(true, true));
  EXPECT_EQ(ExtractForcedCaptions(input, "/dev/full"),
            "cannot write /dev/full from " + input + ": No space left on device");
  std::filesystem::create_directory(output);
  EXPECT_EQ(ExtractForcedCaptions(input, output), "cannot write " + output + " from " + input + ": Is a directory");
}

}  // namespace
