// Tracks written to each file type, read back with ffprobe.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "command_run.h"
#include "eac3to_program.h"
#include "media_cache.h"
#include "media_fixtures.h"
#include "media_probe.h"

namespace eac3to::test {
namespace {

using quandrell::test::M2tsClip;
using quandrell::test::MatroskaWithChapters;
using quandrell::test::ProbeStreams;
using quandrell::test::TempFolder;

std::string In(const TempFolder& folder, const char* name) { return (folder / name).string(); }

quandrell::test::ProbedStream OnlyStream(const std::filesystem::path& file) {
  const auto streams = ProbeStreams(file);
  EXPECT_EQ(streams.size(), 1u) << file;
  return streams.empty() ? quandrell::test::ProbedStream{} : streams[0];
}

// A 3-second clip whose audio is DTS (FFmpeg has no DTS-HD encoder).
std::filesystem::path DtsClip() {
  return quandrell::test::CachedMedia("dts.m2ts", [](const std::filesystem::path& out) {
    quandrell::test::RunFfmpeg({"-i", M2tsClip().string(), "-t", "3", "-map", "0:v", "-map",
                                "0:1", "-c:v", "copy", "-c:a", "dca", "-strict", "-2", "-f",
                                "mpegts", "-mpegts_m2ts_mode", "1", out.string()});
  });
}

// 2 seconds of interlaced MPEG-2 at 30000/1001 frames per second.
std::filesystem::path Mpeg2Clip() {
  return quandrell::test::CachedMedia("mpeg2.m2ts", [](const std::filesystem::path& out) {
    quandrell::test::RunFfmpeg({"-f", "lavfi", "-i",
                                "testsrc2=size=1920x1080:rate=30000/1001:duration=2", "-c:v",
                                "mpeg2video", "-flags", "+ilme+ildct", "-top", "1", "-b:v", "8M",
                                "-f", "mpegts", "-mpegts_m2ts_mode", "1", out.string()});
  });
}

// 3 seconds with the surround track as TrueHD (FFmpeg's encoder is experimental).
std::filesystem::path TrueHdClip() {
  return quandrell::test::CachedMedia("truehd.m2ts", [](const std::filesystem::path& out) {
    quandrell::test::RunFfmpeg({"-i", M2tsClip().string(), "-t", "3", "-map", "0:v", "-map",
                                "0:1", "-c:v", "copy", "-c:a", "truehd", "-strict", "-2", "-f",
                                "mpegts", "-mpegts_m2ts_mode", "1", out.string()});
  });
}

// The clip's English track as Blu-ray LPCM, 16 bits, 5.1.
std::filesystem::path LpcmClip() {
  return quandrell::test::CachedMedia("lpcm.m2ts", [](const std::filesystem::path& out) {
    quandrell::test::RunFfmpeg({"-i", M2tsClip().string(), "-map", "0:v", "-map", "0:1", "-c", "copy", "-c:a",
                                "pcm_bluray", "-sample_fmt", "s16", "-streamid", "0:0x1011", "-streamid",
                                "1:0x1100", "-f", "mpegts", "-mpegts_m2ts_mode", "1", out.string()});
  });
}

TEST(Demux, VideoToMatroskaAndRawKeepsEveryFrameAndCountsThem) {
  TempFolder folder;
  const auto run = RunEac3to({M2tsClip().string(), "1:", In(folder, "v.mkv"), "1:",
                              In(folder, "v.h264")},
                             folder);
  ASSERT_EQ(run.exitCode, 0) << run.log;
  for (const char* name : {"v.mkv", "v.h264"}) {
    const auto video = OnlyStream(folder / name);
    EXPECT_EQ(video.Get("codec_name"), "h264") << name;
    EXPECT_EQ(video.Number("nb_read_packets"), quandrell::test::kClipFrames) << name;
  }
  EXPECT_NE(run.log.find("\nVideo track 1 contains 240 frames.\n"), std::string::npos) << run.log;
}

TEST(Demux, Ac3IsCopiedOrRecodedAtTheAskedBitrate) {
  TempFolder folder;
  const auto run = RunEac3to({M2tsClip().string(), "2:", In(folder, "copy.ac3"),
                              "-keepDialnorm", "3:", In(folder, "recode.ac3"), "-640", "-libav"},
                             folder);
  ASSERT_EQ(run.exitCode, 0) << run.log;
  const auto copy = OnlyStream(folder / "copy.ac3");
  EXPECT_EQ(copy.Get("codec_name"), "ac3");
  EXPECT_EQ(copy.Number("channels"), 6);
  EXPECT_EQ(copy.Number("bit_rate"), 448000);
  const auto recode = OnlyStream(folder / "recode.ac3");
  EXPECT_EQ(recode.Number("channels"), 2);
  EXPECT_EQ(recode.Number("bit_rate"), 640000);
  EXPECT_EQ(run.log.find("Video track"), std::string::npos);
}

TEST(Demux, KeepDialnormCarriesTheSourceValueIntoAnAc3Recode) {
  TempFolder folder;
  quandrell::test::RunFfmpeg({"-i", M2tsClip().string(), "-map", "0:1", "-c:a", "ac3",
                              "-dialnorm", "-27", "-f", "ac3", In(folder, "in.ac3")});
  ASSERT_EQ(RunEac3to({In(folder, "in.ac3"), "1:", In(folder, "kept.ac3"), "-448",
                       "-keepDialnorm", "1:", In(folder, "reset.ac3"), "-448"},
                      folder)
                .exitCode,
            0);
  EXPECT_NE(RunEac3to({In(folder, "kept.ac3")}, folder).log.find("dialnorm: -27dB"),
            std::string::npos);
  EXPECT_NE(RunEac3to({In(folder, "reset.ac3")}, folder).log.find("dialnorm: -31dB"),
            std::string::npos);
}

TEST(Demux, FlacKeepsChannelsAndDown16HalvesTheSampleWidth) {
  TempFolder folder;
  const auto run = RunEac3to({M2tsClip().string(), "2:", In(folder, "full.flac"), "-libav",
                              "2:", In(folder, "small.flac"), "-down16", "-libav"},
                             folder);
  ASSERT_EQ(run.exitCode, 0) << run.log;
  const auto full = OnlyStream(folder / "full.flac");
  EXPECT_EQ(full.Get("codec_name"), "flac");
  EXPECT_EQ(full.Number("channels"), 6);
  EXPECT_EQ(full.Number("bits_per_raw_sample"), 24);
  EXPECT_EQ(OnlyStream(folder / "small.flac").Get("sample_fmt"), "s16");
}

// Seconds of sound in a file's audio, from the durations of its packets.
double AudioSeconds(const std::filesystem::path& file) {
  double seconds = 0;
  for (const auto& line : Lines(quandrell::test::RunCommand({"ffprobe", "-v", "error", "-select_streams", "a",
                                                              "-show_entries", "packet=duration_time", "-of",
                                                              "csv=p=0", file.string()})
                                    .output))
    seconds += std::atof(line.c_str());
  return seconds;
}

// Muxes one LPCM file with a tsMuxeR; the transport stream it wrote (the
// stand-in always writes an AVCHD folder).
std::filesystem::path MuxLpcm(const std::filesystem::path& tool, const std::filesystem::path& pcm,
                              const std::string& name) {
  const auto meta = pcm.parent_path() / (name + ".meta"), out = pcm.parent_path() / (name + ".m2ts");
  std::ofstream(meta) << "MUXOPT --no-pcr-on-video-pid --vbr\nA_LPCM, \"" << pcm.string() << "\"\n";
  const auto run = quandrell::test::RunCommand({tool.string(), meta.string(), out.string()});
  EXPECT_EQ(run.exitCode, 0) << name << ": " << run.output << run.errors;
  return std::filesystem::is_directory(out) ? out / "BDMV" / "STREAM" / "00000.m2ts" : out;
}

TEST(Demux, KeptLpcmIsAWavFileThatTsMuxerMuxesWhole) {
  TempFolder folder;
  const auto run = RunEac3to({LpcmClip().string(), "2:", In(folder, "a.pcm")}, folder);
  ASSERT_EQ(run.exitCode, 0) << run.log;
  const std::string bytes = quandrell::test::ReadFile(folder / "a.pcm");
  ASSERT_GT(bytes.size(), 44u);
  EXPECT_EQ(bytes.substr(0, 4), "RIFF");
  EXPECT_EQ(bytes.substr(8, 4), "WAVE");
  const auto wav = OnlyStream(folder / "a.pcm");
  EXPECT_EQ(wav.Get("codec_name"), "pcm_s16le");
  EXPECT_EQ(wav.Number("channels"), 6);
  const double seconds = AudioSeconds(folder / "a.pcm");
  EXPECT_NEAR(seconds, AudioSeconds(LpcmClip()), 0.01);
  std::vector<std::pair<std::string, std::filesystem::path>> muxers = {{"stand-in", TSMUXER_STANDIN}};
  if (const auto real = RealTsMuxer()) muxers.emplace_back("tsMuxeR", *real);
  for (const auto& [name, tool] : muxers)
    EXPECT_NEAR(AudioSeconds(MuxLpcm(tool, folder / "a.pcm", name)), seconds, 0.01) << name;
}

TEST(Demux, MatroskaSubtitlesToSrtAndVideoToAnnexB) {
  TempFolder folder;
  const auto run = RunEac3to({MatroskaWithChapters().string(), "1:", In(folder, "v.h264"), "4:",
                              In(folder, "s.srt")},
                             folder);
  ASSERT_EQ(run.exitCode, 0) << run.log;
  EXPECT_EQ(OnlyStream(folder / "v.h264").Number("nb_read_packets"), quandrell::test::kClipFrames);
  // Captions keep their distance from the first picture, which the file
  // holds 5 ms after its start.
  const std::string picture = ProbeStreams(MatroskaWithChapters()).at(0).Get("start_time");
  ASSERT_EQ(picture, "0.005000");
  const std::string srt = quandrell::test::ReadFile(folder / "s.srt");
  EXPECT_NE(srt.find("00:00:00,995 --> 00:00:02,995\nHello from the test clip."), std::string::npos)
      << srt;
  EXPECT_EQ(OnlyStream(folder / "s.srt").Get("codec_name"), "subrip");
}

TEST(Demux, DtsCopyAndCoreOnly) {
  TempFolder folder;
  const auto run = RunEac3to({DtsClip().string(), "2:", In(folder, "a.dts"), "-core", "2:",
                              In(folder, "b.dtshd")},
                             folder);
  ASSERT_EQ(run.exitCode, 0) << run.log;
  EXPECT_NE(run.log.find("\n2: DTS, English, 5.1 channels, "), std::string::npos) << run.log;
  for (const char* name : {"a.dts", "b.dtshd"}) {
    const auto dts = OnlyStream(folder / name);
    EXPECT_EQ(dts.Get("codec_name"), "dts") << name;
    EXPECT_EQ(dts.Number("channels"), 6) << name;
  }
}

TEST(Demux, InterlacedMpeg2ToRawM2v) {
  TempFolder folder;
  const auto run = RunEac3to({Mpeg2Clip().string(), "1:", In(folder, "v.m2v")}, folder);
  ASSERT_EQ(run.exitCode, 0) << run.log;
  EXPECT_NE(run.log.find("\n1: MPEG2, 1080i60 /1.001 (16:9)\n"), std::string::npos) << run.log;
  const auto video = OnlyStream(folder / "v.m2v");
  EXPECT_EQ(video.Get("codec_name"), "mpeg2video");
  EXPECT_EQ(video.Number("nb_read_packets"), 60);
  EXPECT_NE(run.log.find("\nVideo track 1 contains 60 frames.\n"), std::string::npos);
}

TEST(Demux, TrueHdIsCopiedWholeOrRecodedToAc3) {
  TempFolder folder;
  const auto run = RunEac3to({TrueHdClip().string(), "2:", In(folder, "a.thd+ac3"), "2:",
                              In(folder, "b.ac3")},
                             folder);
  ASSERT_EQ(run.exitCode, 0) << run.log;
  EXPECT_NE(run.log.find("\n2: TrueHD, English, 5.1 channels, 24 bits, 48kHz\n"),
            std::string::npos)
      << run.log;
  const auto truehd = OnlyStream(folder / "a.thd+ac3");
  EXPECT_EQ(truehd.Get("codec_name"), "truehd");
  EXPECT_EQ(truehd.Number("channels"), 6);
  const auto ac3 = OnlyStream(folder / "b.ac3");
  EXPECT_EQ(ac3.Get("codec_name"), "ac3");
  EXPECT_EQ(ac3.Number("bit_rate"), 640000);  // the default AC-3 rate
}

TEST(Demux, ProgressNumbersClimbToOneHundred) {
  TempFolder folder;
  const auto run = RunEac3to({M2tsClip().string(), "2:", In(folder, "a.flac"), "-progressnumbers"},
                             folder);
  ASSERT_EQ(run.exitCode, 0);
  int last = -1;
  for (const auto& line : Lines(run.output)) {
    if (line.rfind("process: ", 0) != 0) continue;
    EXPECT_EQ(line.back(), '%') << line;
    const int percent = std::stoi(line.substr(9));
    EXPECT_GT(percent, last);
    last = percent;
  }
  EXPECT_EQ(last, 100);
  EXPECT_EQ(run.log.find("process:"), std::string::npos);  // progress stays out of the log
}

TEST(Demux, NoProgressLinesWithoutTheOption) {
  TempFolder folder;
  const auto run = RunEac3to({M2tsClip().string(), "2:", In(folder, "a.ac3")}, folder);
  EXPECT_EQ(run.output.find("process:"), std::string::npos);
}

TEST(Demux, UnknownTrackOrWrongFileTypeWritesNothing) {
  TempFolder folder;
  const struct {
    std::vector<std::string> tracks;
    const char* message;
  } cases[] = {
      {{"2:", In(folder, "a.ac3"), "9:", In(folder, "b.ac3")}, "The source has no track 9 (it has 3)."},
      {{"2:", In(folder, "a.ac3"), "1:", In(folder, "b.ac3")}, "Track 1 (h264): the file type \".ac3\""},
      {{"1:", In(folder, "a.vc1")}, "Track 1 (h264) can't be written as .vc1."},
      {{"2:", In(folder, "a.dts")}, "Track 2 (ac3) can't be written as .dts: no DTS encoder."},
      {{"2:", In(folder, "a.ac3"), "-600"}, "AC3 can't be encoded at 600kbps."},
      {{"1:", In(folder, "cap.txt")}, "Track 1 (h264): the file type \".txt\""},
      {{"2:", In(folder, "a.ac3"), "3:", In(folder, "a.ac3")}, "is the source or is named twice"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {M2tsClip().string()};
    args.insert(args.end(), c.tracks.begin(), c.tracks.end());
    const auto run = RunEac3to(args, folder);
    EXPECT_EQ(run.exitCode, 1) << c.message;
    EXPECT_NE(run.log.find("<ERROR> "), std::string::npos) << run.log;
    EXPECT_NE(run.log.find(c.message), std::string::npos) << run.log;
    EXPECT_FALSE(std::filesystem::exists(folder / "a.ac3")) << c.message;
  }
}

TEST(Demux, RefusesToWriteOverItsSource) {
  TempFolder folder;
  ASSERT_EQ(RunEac3to({M2tsClip().string(), "2:", In(folder, "in.ac3")}, folder).exitCode, 0);
  const auto size = std::filesystem::file_size(folder / "in.ac3");
  const auto run = RunEac3to({In(folder, "in.ac3"), "1:", In(folder, "in.ac3"), "-640"}, folder);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.log.find("is the source or is named twice"), std::string::npos) << run.log;
  EXPECT_EQ(std::filesystem::file_size(folder / "in.ac3"), size);
}

}  // namespace
}  // namespace eac3to::test
