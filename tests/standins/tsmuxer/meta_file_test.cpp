// The control file as the AVCHD muxing step writes it ("\r\n" lines, the
// subtitle lines without a blank after the file name).

#include "meta_file.h"

#include <gtest/gtest.h>

namespace tsmuxer {
namespace {

TEST(MetaFile, ReadsTheReferenceControlFile) {
  const MetaFile meta = parseMeta(
      "MUXOPT --no-pcr-on-video-pid --new-audio-pes --avchd --vbr "
      "--custom-chapters=00:00:00.000;00:00:01.000;00:00:02.000 --vbv-len=500\r\n"
      "V_MPEG4/ISO/AVC, \"short.m2ts\", track=4113, fps=23.976\r\n"
      "A_AC3, \"short.m2ts\", track=4352, lang=eng");
  ASSERT_TRUE(meta.options.customChaptersMs);
  EXPECT_EQ(*meta.options.customChaptersMs, (std::vector<int64_t>{0, 1000, 2000}));
  ASSERT_EQ(meta.tracks.size(), 2u);
  EXPECT_EQ(meta.tracks[0].kind, TrackKind::Video);
  EXPECT_EQ(meta.tracks[0].file, "short.m2ts");
  EXPECT_EQ(meta.tracks[0].track, 4113);
  EXPECT_EQ(meta.tracks[0].fps, "23.976");
  EXPECT_EQ(meta.tracks[1].kind, TrackKind::Audio);
  EXPECT_EQ(meta.tracks[1].track, 4352);
  EXPECT_EQ(meta.tracks[1].language, "eng");
}

TEST(MetaFile, ReadsAudioAndSubtitleOptionsAndIgnoresUnknownOnes) {
  const MetaFile meta = parseMeta(
      "MUXOPT --avchd --auto-chapters=5\r\n"
      "V_MS/VFW/WVC1, \"/tmp/a b/v.vc1\", fps=29.97\r\n"
      "A_DTS, \"/tmp/x, y.dts\", down-to-dts, timeshift=-120ms, track=4353, lang=ger\r\n"
      "A_AC3, \"a.ac3\", down-to-ac3, new-option=7, lang=eng\r\n"
      "S_HDMV/PGS, \"s.sup\",bottom-offset=24,font-border=2,text-align=center,video-width=1280,video-height=720,"
      "fps=23.976, track=4608, lang=spa\r\n"
      "S_TEXT/UTF8, \"s.srt\",font-name=\"DejaVu Sans\",font-size=65,font-color=0x00ffffff,bottom-offset=30,"
      "font-border=3,text-align=center,video-width=1920,video-height=1080,fps=23.976, lang=fre\r\n");
  EXPECT_EQ(meta.options.autoChapterMinutes, 5);
  EXPECT_FALSE(meta.options.customChaptersMs);
  ASSERT_EQ(meta.tracks.size(), 5u);
  EXPECT_EQ(meta.tracks[0].file, "/tmp/a b/v.vc1");
  const TrackSpec& dts = meta.tracks[1];
  EXPECT_EQ(dts.file, "/tmp/x, y.dts");
  EXPECT_TRUE(dts.downToDts);
  EXPECT_EQ(dts.timeshiftMs, -120);
  EXPECT_EQ(dts.track, 4353);
  EXPECT_TRUE(meta.tracks[2].downToAc3);
  EXPECT_EQ(meta.tracks[3].kind, TrackKind::Subtitle);
  EXPECT_EQ(meta.tracks[3].track, 4608);
  EXPECT_EQ(meta.tracks[3].language, "spa");
  const TextStyle& style = meta.tracks[4].text;
  EXPECT_EQ(style.fontName, "DejaVu Sans");
  EXPECT_EQ(style.fontSize, 65);
  EXPECT_EQ(style.fontColor, 0x00ffffffu);
  EXPECT_EQ(style.bottomOffset, 30);
  EXPECT_EQ(style.fontBorder, 3);
  EXPECT_EQ(style.videoHeight, 1080);
  EXPECT_EQ(meta.tracks[4].language, "fre");
}

TEST(MetaFile, RefusesWhatItCannotMux) {
  EXPECT_THROW(parseMeta("V_MPEG4/ISO/AVC, \"v.264\"\r\n"), MetaError);             // no MUXOPT
  EXPECT_THROW(parseMeta("MUXOPT --avchd\r\n"), MetaError);                          // no stream
  EXPECT_THROW(parseMeta("MUXOPT --avchd\r\nA_FLAC, \"a.flac\"\r\n"), MetaError);    // codec
  EXPECT_THROW(parseMeta("MUXOPT --avchd\r\nA_AC3, a.ac3\r\n"), MetaError);          // unquoted file
  EXPECT_THROW(parseMeta("MUXOPT --avchd\r\nA_AC3, \"a.ac3\", track=x\r\n"), MetaError);
  EXPECT_THROW(parseMeta("MUXOPT --custom-chapters=00:00:00.000;0a:00:01\r\nA_AC3, \"a.ac3\"\r\n"), MetaError);
  try {
    parseMeta("MUXOPT --avchd\r\nA_AC3, \"a.ac3\"\r\nV_MPEGH/ISO/HEVC, \"v.hevc\"\r\n");
    FAIL();
  } catch (const MetaError& e) {
    EXPECT_STREQ(e.what(), "Unsupported codec \"V_MPEGH/ISO/HEVC\" in line 3");
  }
}

TEST(MetaFile, ChapterTimes) {
  EXPECT_EQ(parseChapterTime("00:00:00.000"), 0);
  EXPECT_EQ(parseChapterTime("01:02:03.456"), 3723456);
  EXPECT_EQ(parseChapterTime("02:03.5"), 123500);
  EXPECT_EQ(parseChapterTime("90"), 90000);
  EXPECT_EQ(parseChapterTime("00:00:01.05"), 1050);
  EXPECT_FALSE(parseChapterTime(""));
  EXPECT_FALSE(parseChapterTime("1:2:3:4"));
  EXPECT_FALSE(parseChapterTime("00:00:01."));
  EXPECT_FALSE(parseChapterTime("00:00:01.1234"));
  EXPECT_FALSE(parseChapterTime("00:-1:00"));
  EXPECT_FALSE(parseChapterTime("00:01:"));
}

}  // namespace
}  // namespace tsmuxer
