// SubRip captions drawn with libass into PGS, read back as captions.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ass_renderer.h"
#include "pgs/caption.h"
#include "temp_folder.h"
#include "srt_file.h"
#include "srt_to_pgs.h"
#include "text_tracks.h"

namespace fs = std::filesystem;

namespace tsmuxer {
namespace {

TEST(SrtFile, ReadsCuesWithTheirTimesAndText) {
  const std::vector<Cue> cues = parseSrt(
      "\xEF\xBB\xBF" "1\r\n00:00:00,500 --> 00:00:01,800\r\nHello <i>world</i>\r\nsecond line\r\n\r\n"
      "2\r\n01:02:03.4 --> 01:02:04,050\r\nLate\r\n\r\n"
      "3\r\nno time line\r\n\r\n"
      "4\r\n00:00:09,000 --> 00:00:08,000\r\nbackwards\r\n\r\n"
      "5\r\n00:00:10,000 --> 00:00:11,000\r\n\r\n");
  ASSERT_EQ(cues.size(), 2u);
  EXPECT_EQ(cues[0].startMs, 500);
  EXPECT_EQ(cues[0].endMs, 1800);
  EXPECT_EQ(cues[0].text, "Hello <i>world</i>\nsecond line");
  EXPECT_EQ(cues[1].startMs, 3723400);
  EXPECT_EQ(cues[1].endMs, 3724050);
}

TEST(SrtFile, TagsBecomeAssOverrides) {
  EXPECT_EQ(assMarkup("Hello <i>world</i>\nnext"), "Hello {\\i1}world{\\i0}\\Nnext");
  EXPECT_EQ(assMarkup("<B>bold</B> <font color=\"#FF8000\">orange</font>"),
            "{\\b1}bold{\\b0} {\\c&H0080ff&}orange{\\c}");
  EXPECT_EQ(assMarkup("<font face=\"x\">plain</font> <span>a < b"), "plain{\\c} a < b");
}

TEST(TextStyle, TsMuxerColoursBecomeAssColours) {
  EXPECT_EQ(assColourOf(0x00ffffff), 0x00ffffffu);  // the program's default white, opaque
  EXPECT_EQ(assColourOf(0xff112233), 0x00332211u);
  EXPECT_EQ(assColourOf(0x80112233), 0x7f332211u);
}

class SrtToPgs : public ::testing::Test {
 protected:
  std::string write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ / name, std::ios::binary) << text;
    return (dir_ / name).string();
  }
  quandrell::test::TempFolder scratch_;
  const fs::path dir_ = scratch_.path();
};

// Overlapping cues give three pictures: the first, both, the second.
TEST_F(SrtToPgs, DrawsEachSpanCentredAboveTheBottomOffset) {
  const std::string srt = write("a.srt",
                                "1\n00:00:00,500 --> 00:00:01,800\nHello world\n\n"
                                "2\n00:00:01,500 --> 00:00:02,500\nSecond\n");
  TextStyle style;
  style.fontSize = 60;
  style.bottomOffset = 40;
  style.fontBorder = 2;
  renderSrtToPgs(srt, style, "25", (dir_ / "a.sup").string());
  const pgs::CaptionStream stream = pgs::decodeCaptions(pgs::readSupFile(dir_ / "a.sup"));
  EXPECT_EQ(stream.frameRate, 0x30);
  ASSERT_EQ(stream.captions.size(), 3u);
  const std::vector<std::pair<uint32_t, uint32_t>> times = {{45000, 135000}, {135000, 162000}, {162000, 225000}};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(stream.captions[i].start, times[i].first) << i;
    EXPECT_EQ(stream.captions[i].end, times[i].second) << i;
  }
  const pgs::Caption& first = stream.captions[0];
  EXPECT_NEAR(first.x + first.image.width / 2.0, 960, 4);
  EXPECT_NEAR(first.y + first.image.height, 1080 - 40, 12);
  EXPECT_GT(first.image.height, 40);
  EXPECT_GT(stream.captions[1].image.height, first.image.height * 3 / 2);  // two lines
  bool white = false, black = false;
  for (const pgs::Rgba& c : first.image.pixels) {
    white = white || (c.a == 255 && c.r > 240 && c.g > 240 && c.b > 240);
    black = black || (c.a == 255 && c.r < 15 && c.g < 15 && c.b < 15);
  }
  EXPECT_TRUE(white);
  EXPECT_TRUE(black);
}

TEST_F(SrtToPgs, FilesWithoutCaptionsAreRefused) {
  EXPECT_THROW(renderSrtToPgs(write("empty.srt", "\n\n"), TextStyle{}, "25", (dir_ / "b.sup").string()),
               TextTrackError);
  EXPECT_THROW(renderSrtToPgs((dir_ / "none.srt").string(), TextStyle{}, "25", (dir_ / "b.sup").string()),
               TextTrackError);
}

}  // namespace
}  // namespace tsmuxer
