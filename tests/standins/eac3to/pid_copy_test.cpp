#include "pid_copy.h"
#include "ts_fields.h"

#include <gtest/gtest.h>

#include <fstream>

#include "command_run.h"
#include "media_cache.h"
#include "media_fixtures.h"
#include "temp_folder.h"

namespace eac3to {
namespace {

using quandrell::test::TempFolder;

// The payload of a PID is the elementary stream FFmpeg copies out of it.
TEST(PidCopy, PayloadOfAnAudioPidEqualsFfmpegsCopy) {
  TempFolder folder;
  const auto clip = quandrell::test::M2tsClip();
  quandrell::test::RunFfmpeg({"-i", clip.string(), "-map", "0:1", "-c", "copy", "-f", "ac3",
                              (folder / "ffmpeg.ac3").string()});
  double lastShare = 0;
  JoinedStream whole({{clip, std::nullopt, std::nullopt}});
  CopyPidPayload(whole, 0x1100, folder / "ours.ac3", [&](double share) { lastShare = share; });
  EXPECT_DOUBLE_EQ(lastShare, 1.0);
  const std::string ours = quandrell::test::ReadFile(folder / "ours.ac3");
  EXPECT_GT(ours.size(), 500000u);
  EXPECT_TRUE(ours == quandrell::test::ReadFile(folder / "ffmpeg.ac3"));
}

TEST(PidCopy, ClipsAreJoinedOneAfterAnother) {
  TempFolder folder;
  const auto clip = quandrell::test::M2tsClip();
  JoinedStream once({{clip, std::nullopt, std::nullopt}});
  JoinedStream twice({{clip, std::nullopt, std::nullopt}, {clip, std::nullopt, std::nullopt}});
  CopyPidPayload(once, 0x1101, folder / "one.ac3", [](double) {});
  CopyPidPayload(twice, 0x1101, folder / "two.ac3", [](double) {});
  const std::string one = quandrell::test::ReadFile(folder / "one.ac3");
  EXPECT_TRUE(quandrell::test::ReadFile(folder / "two.ac3") == one + one);
}

TEST(PidCopy, DetectsBothPacketSizes) {
  std::vector<std::uint8_t> data(2 * 192 + 8, 0);
  data[4] = data[4 + 192] = 0x47;
  EXPECT_EQ(DetectPacketSize(data.data(), data.size()), 192u);
  std::fill(data.begin(), data.end(), 0);
  data[0] = data[188] = 0x47;
  EXPECT_EQ(DetectPacketSize(data.data(), data.size()), 188u);
  data[188] = 0;
  EXPECT_EQ(DetectPacketSize(data.data(), data.size()), 0u);
}

TEST(PidCopy, ANonTransportStreamIsRefused) {
  TempFolder folder;
  std::ofstream(folder / "junk.m2ts") << std::string(4096, 'x');
  EXPECT_ANY_THROW(JoinedStream({{folder / "junk.m2ts", std::nullopt, std::nullopt}}));
}

}  // namespace
}  // namespace eac3to
