// Stream choice, PIDs and conversions against a fake ffprobe, and the
// ffmpeg command line made from the plan.

#include "mux_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "ffmpeg_command.h"

namespace tsmuxer {
namespace {

ProbedStream stream(int index, int id, const char* type, const char* codec, int channels = 0) {
  ProbedStream s;
  s.index = index;
  s.id = id;
  s.codecType = type;
  s.codecName = codec;
  s.channels = channels;
  return s;
}

// A Blu-ray stream (TrueHD with its AC-3 core on one PID, DTS-HD, PGS), an
// elementary H.264 file and an LPCM wave.
class MuxPlanTest : public ::testing::Test {
 protected:
  std::map<std::string, ProbedFile> files = {
      {"movie.m2ts",
       {{stream(0, 0x1011, "video", "h264"), stream(1, 0x1100, "audio", "truehd", 8),
         stream(2, 0x1100, "audio", "ac3", 6), stream(3, 0x1101, "audio", "dts", 6),
         stream(4, 0x1200, "subtitle", "hdmv_pgs_subtitle")},
        7200}},
      {"video.264", {{stream(0, 0, "video", "h264")}, 0}},
      {"audio.wav", {{stream(0, 0, "audio", "pcm_s24le", 2)}, 7100}},
      {"subs.sup", {{stream(0, 0, "subtitle", "hdmv_pgs_subtitle")}, 7000, 12.5}},
      {"movie.mkv", {{stream(0, 0, "video", "h264"), stream(1, 0, "audio", "ac3", 6)}, 7200}},
  };
  std::vector<std::string> rawRates;

  MuxPlan plan(const std::string& meta) {
    const Prober probe = [&](const std::string& path, const std::string& rate) -> std::optional<ProbedFile> {
      rawRates.push_back(rate);
      const auto it = files.find(path);
      return it == files.end() ? std::nullopt : std::optional<ProbedFile>(it->second);
    };
    return planMux(parseMeta("MUXOPT --avchd\r\n" + meta), probe, [](const TrackSpec& t) { return t.file; });
  }
};

TEST_F(MuxPlanTest, VideoFirstThenAudioThenSubtitlesWithTheirPids) {
  const MuxPlan p = plan(
      "S_HDMV/PGS, \"movie.m2ts\", track=4608, lang=spa\r\n"
      "A_AC3, \"movie.m2ts\", track=4352, lang=eng\r\n"
      "A_DTS, \"movie.m2ts\", track=4353, lang=ger\r\n"
      "V_MPEG4/ISO/AVC, \"video.264\", fps=23.976\r\n");
  ASSERT_EQ(p.tracks.size(), 4u);
  EXPECT_EQ(p.tracks[0].pid, 0x1011);
  EXPECT_EQ(p.tracks[0].rawFrameRate, "24000/1001");
  EXPECT_EQ(p.tracks[1].pid, 0x1100);
  EXPECT_EQ(p.tracks[1].stream.codecName, "truehd");  // copied whole without down-to-ac3
  EXPECT_EQ(p.tracks[2].pid, 0x1101);
  EXPECT_EQ(p.tracks[2].trackSpec.language, "ger");
  EXPECT_EQ(p.tracks[3].pid, 0x1200);
  EXPECT_EQ(p.tracks[3].stream.index, 4);
}

TEST_F(MuxPlanTest, AudioConversions) {
  const MuxPlan p = plan(
      "V_MPEG4/ISO/AVC, \"movie.m2ts\", track=4113\r\n"
      "A_AC3, \"movie.m2ts\", track=4352, down-to-ac3\r\n"
      "A_DTS, \"movie.m2ts\", track=4353, down-to-dts\r\n"
      "A_LPCM, \"audio.wav\"\r\n");
  EXPECT_EQ(p.tracks[0].rawFrameRate, "");  // a stream of a transport stream has its own timing
  EXPECT_EQ(p.tracks[1].stream.codecName, "ac3");  // the AC-3 core of the TrueHD PID, copied
  EXPECT_EQ(p.tracks[1].conversion, AudioConversion::None);
  EXPECT_EQ(p.tracks[2].conversion, AudioConversion::DtsCore);
  EXPECT_EQ(p.tracks[3].conversion, AudioConversion::ToLpcm);
}

// Outside transport streams a track number counts the file's tracks from 1.
TEST_F(MuxPlanTest, TrackNumbersOfOtherContainersCountFromOne) {
  const MuxPlan p = plan("V_MPEG4/ISO/AVC, \"movie.mkv\", track=1\r\nA_AC3, \"movie.mkv\", track=2\r\n");
  EXPECT_EQ(p.tracks[0].stream.index, 0);
  EXPECT_EQ(p.tracks[1].stream.index, 1);
  EXPECT_THROW(plan("A_AC3, \"movie.mkv\", track=3\r\n"), PlanError);
  EXPECT_THROW(plan("A_AC3, \"movie.mkv\", track=1\r\n"), PlanError);  // that one is video
}

TEST_F(MuxPlanTest, RefusesMissingTracksWrongCodecsAndUnreadableFiles) {
  EXPECT_THROW(plan("A_AC3, \"movie.m2ts\", track=4400\r\n"), PlanError);
  EXPECT_THROW(plan("A_DTS, \"movie.m2ts\", track=4352\r\n"), PlanError);
  EXPECT_THROW(plan("V_MS/VFW/WVC1, \"video.264\"\r\n"), PlanError);
  EXPECT_THROW(plan("S_HDMV/PGS, \"video.264\"\r\n"), PlanError);
  try {
    plan("A_AC3, \"empty.ac3\"\r\n");
    FAIL();
  } catch (const PlanError& e) {
    EXPECT_STREQ(e.what(), "Can't detect stream type of empty.ac3");
  }
}

TEST_F(MuxPlanTest, FfmpegCommandLine) {
  const MuxPlan p = plan(
      "V_MPEG4/ISO/AVC, \"movie.m2ts\", track=4113\r\n"
      "A_AC3, \"movie.m2ts\", track=4352, down-to-ac3, lang=eng\r\n"
      "A_DTS, \"movie.m2ts\", track=4353, timeshift=250ms, down-to-dts, lang=ger\r\n"
      "A_LPCM, \"audio.wav\", lang=fra\r\n");
  const std::vector<std::string> expected = {
      "ffmpeg", "-nostdin", "-hide_banner", "-v", "error", "-y", "-nostats", "-progress", "pipe:1",
      "-stats_period", "0.5",
      "-i", "file:movie.m2ts",
      "-itsoffset", "0.250", "-i", "file:movie.m2ts",
      "-i", "file:audio.wav",
      "-map", "0:0", "-map", "0:2", "-map", "1:3", "-map", "2:0",
      "-c", "copy",
      "-streamid", "0:4113",
      "-metadata:s:1", "language=eng", "-streamid", "1:4352",
      "-bsf:2", "dca_core", "-metadata:s:2", "language=ger", "-streamid", "2:4353",
      "-c:3", "pcm_bluray", "-metadata:s:3", "language=fra", "-streamid", "3:4354",
      "-max_muxing_queue_size", "4096", "-f", "mpegts", "-mpegts_m2ts_mode", "1",
      "-pat_period", "0.4", "-sdt_period", "100000", "file:out/00000.m2ts"};
  EXPECT_EQ(ffmpegArguments(p, "out/00000.m2ts"), expected);
}

// A subtitle file counts its times from the start of the video: its first
// caption must not be moved to zero, so ffmpeg gets its start back as offset.
TEST_F(MuxPlanTest, SubtitleFilesKeepTheirTimes) {
  const MuxPlan p = plan(
      "V_MPEG4/ISO/AVC, \"video.264\", fps=25\r\n"
      "S_HDMV/PGS, \"subs.sup\", lang=eng\r\n"
      "S_HDMV/PGS, \"subs.sup\", timeshift=500ms, lang=fra\r\n");
  const std::vector<std::string> args = ffmpegArguments(p, "o.m2ts");
  const std::vector<std::string> inputs = {"-fflags", "+genpts", "-framerate", "25", "-i", "file:video.264",
                                           "-itsoffset", "12.500", "-i", "file:subs.sup",
                                           "-itsoffset", "13.000", "-i", "file:subs.sup"};
  EXPECT_NE(std::search(args.begin(), args.end(), inputs.begin(), inputs.end()), args.end());
}

TEST_F(MuxPlanTest, TranscodedAc3IsCutToSixChannels) {
  files["movie.m2ts"].streams.erase(files["movie.m2ts"].streams.begin() + 2);  // no AC-3 core
  const MuxPlan p = plan("A_AC3, \"movie.m2ts\", track=4352, down-to-ac3\r\n");
  EXPECT_EQ(p.tracks[0].conversion, AudioConversion::ToAc3);
  const std::vector<std::string> args = ffmpegArguments(p, "o.m2ts");
  const std::vector<std::string> conversion = {"-c:0", "ac3", "-b:0", "640k", "-ac:0", "6"};
  EXPECT_NE(std::search(args.begin(), args.end(), conversion.begin(), conversion.end()), args.end());
}

TEST(FrameRate, DecimalRatesBecomeNtscFractions) {
  EXPECT_EQ(frameRateFraction("23.976"), "24000/1001");
  EXPECT_EQ(frameRateFraction("29.97"), "30000/1001");
  EXPECT_EQ(frameRateFraction("59.94"), "60000/1001");
  EXPECT_EQ(frameRateFraction("25"), "25");
  EXPECT_EQ(frameRateFraction(""), "");
}

}  // namespace
}  // namespace tsmuxer
