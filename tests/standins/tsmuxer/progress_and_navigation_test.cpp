// Progress lines, chapter marks and the stream codes of the clip.

#include <gtest/gtest.h>

#include "avchd_navigation.h"
#include "clip_streams.h"
#include "progress_meter.h"

namespace tsmuxer {
namespace {

TEST(ProgressMeter, ShowsRisingTenthsOfTheLongestInputAndEndsAtOneHundred) {
  std::vector<std::string> lines;
  ProgressMeter meter(10.0, 0, [&](const std::string& l) { lines.push_back(l); });
  for (const char* line : {"frame=1", "out_time_us=1250000", "out_time_us=1250400", "total_size=5000",
                           "out_time_us=-9223372036854775807", "out_time_us=5000000", "out_time_us=12000000",
                           "progress=end"})
    meter.onLine(line);
  meter.finish();
  EXPECT_EQ(lines, (std::vector<std::string>{"12.5% complete", "50.0% complete", "99.9% complete",
                                             "100.0% complete"}));
}

TEST(ProgressMeter, FallsBackToBytesWhenNoDurationIsKnown) {
  std::vector<std::string> lines;
  ProgressMeter meter(0, 4000, [&](const std::string& l) { lines.push_back(l); });
  meter.onLine("out_time_us=1000000");
  meter.onLine("total_size=1000");
  EXPECT_EQ(lines, std::vector<std::string>{"25.0% complete"});
}

TEST(Chapters, CustomListAutoIntervalAndDefault) {
  MuxOptions custom;
  custom.customChaptersMs = std::vector<int64_t>{2000, 0, 1000, 1000, 9000};
  EXPECT_EQ(chapterStarts(custom, 3000), (std::vector<int64_t>{0, 1000, 2000}));
  custom.customChaptersMs = std::vector<int64_t>{9000};
  EXPECT_EQ(chapterStarts(custom, 3000), std::vector<int64_t>{0});
  MuxOptions automatic;
  automatic.autoChapterMinutes = 5;
  EXPECT_EQ(chapterStarts(automatic, 15 * 60000), (std::vector<int64_t>{0, 300000, 600000}));
  EXPECT_EQ(chapterStarts(automatic, 15 * 60000 + 1), (std::vector<int64_t>{0, 300000, 600000, 900000}));
  EXPECT_EQ(chapterStarts(MuxOptions{}, 3000), std::vector<int64_t>{0});
}

TEST(ClipStreams, VideoFormatAndRateCodes) {
  ProbedStream s;
  s.height = 1080;
  s.fieldOrder = "progressive";
  s.frameRate = "24000/1001";
  EXPECT_EQ(videoFormatCode(s), bdnav::video_format::p1080);
  EXPECT_EQ(frameRateCode(s), bdnav::frame_rate::r23976);
  s.fieldOrder = "tt";
  s.frameRate = "50/1";  // field rate of 1080i25
  EXPECT_EQ(videoFormatCode(s), bdnav::video_format::i1080);
  EXPECT_EQ(frameRateCode(s), bdnav::frame_rate::r25);
  s.height = 720;
  s.fieldOrder = "progressive";
  s.frameRate = "60000/1001";
  EXPECT_EQ(videoFormatCode(s), bdnav::video_format::p720);
  EXPECT_EQ(frameRateCode(s), bdnav::frame_rate::r59940);
  s.height = 576;
  s.fieldOrder = "bb";
  EXPECT_EQ(videoFormatCode(s), bdnav::video_format::i576);
  EXPECT_EQ(audioFormatCode(1), bdnav::audio_format::mono);
  EXPECT_EQ(audioFormatCode(2), bdnav::audio_format::stereo);
  EXPECT_EQ(audioFormatCode(6), bdnav::audio_format::multichannel);
  EXPECT_EQ(sampleRateCode(48000), bdnav::sample_rate::k48);
  EXPECT_EQ(sampleRateCode(96000), bdnav::sample_rate::k96);
}

}  // namespace
}  // namespace tsmuxer
