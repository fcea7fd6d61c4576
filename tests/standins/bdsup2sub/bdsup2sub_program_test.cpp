// The jar run the way the subtitle step runs it, on .sup files built byte
// by byte; the output read back byte by byte and by ffmpeg.

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_folder.h"
#include "sup_bytes.h"
#include "test_media.h"

namespace fs = std::filesystem;

namespace {

class BdSup2Sub : public ::testing::Test {
 protected:

  // java -Xmx256m -jar "<jar>" "<in>" "<out>" /fps:keep<options>
  int run(const Bytes& input, const std::string& options, std::string* output = nullptr) {
    writeFile((dir_ / "in.sup").string(), input);
    return runCommand("java -Xmx256m -jar \"" BDSUP2SUB_JAR "\" \"" + (dir_ / "in.sup").string() + "\" \"" +
                          (dir_ / "out.sup").string() + "\" /fps:keep" + options,
                      output);
  }
  Bytes result() { return readFile((dir_ / "out.sup").string()); }

  quandrell::test::TempFolder scratch_;
  const fs::path dir_ = scratch_.path();
};

// Captions at the corners and edges of a 1080p picture.
SupBytes edgeCaptions() {
  SupBytes s;
  s.caption(90000, 180000, 0, 0, 1920, 60, true);        // full width, top
  s.caption(270000, 360000, 1700, 1000, 220, 80, false);  // bottom right corner
  s.caption(450000, 540000, 600, 900, 721, 101, false);   // odd sizes
  return s;
}

TEST_F(BdSup2Sub, ResizeTo720pScalesEveryCaptionInsideTheSmallerPicture) {
  std::string log;
  ASSERT_EQ(run(edgeCaptions().data, " /res:720p /filter:lanczos3", &log), 0) << log;
  const std::vector<ShownCaption> shown = readCompositions(result());
  ASSERT_EQ(shown.size(), 6u);
  const std::vector<uint32_t> times = {90000, 180000, 270000, 360000, 450000, 540000};
  for (size_t i = 0; i < shown.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(shown[i].pts, times[i]);
    EXPECT_EQ(shown[i].videoWidth, 1280);
    EXPECT_EQ(shown[i].videoHeight, 720);
    EXPECT_LE(shown[i].x + shown[i].width, 1280);
    EXPECT_LE(shown[i].y + shown[i].height, 720);
  }
  EXPECT_EQ(shown[0].width, 1280);
  EXPECT_EQ(shown[0].height, 40);
  EXPECT_TRUE(shown[0].forced);
  EXPECT_EQ(shown[0].state, 0x80);
  EXPECT_EQ(shown[1].state, 0x00);
  EXPECT_EQ(shown[2].x, 1133);
  EXPECT_EQ(shown[2].y, 667);
  EXPECT_EQ(shown[2].width, 147);
  EXPECT_EQ(shown[2].height, 53);
  EXPECT_EQ(shown[4].width, 481);
  EXPECT_EQ(shown[4].height, 67);

  // ffmpeg's PGS decoder shows each caption with one picture and clears it.
  std::string frames;
  EXPECT_EQ(runCommand("ffprobe -v error -show_frames -of compact '" + (dir_ / "out.sup").string() +
                           "' | sed 's/.*num_rects=//'",
                       &frames),
            0);
  EXPECT_EQ(frames, "1\n0\n1\n0\n1\n0\n");
}

TEST_F(BdSup2Sub, CropMovesCaptionsUpInsideTheCroppedPicture) {
  ASSERT_EQ(run(edgeCaptions().data, " /cropy:140"), 0);
  const std::vector<ShownCaption> shown = readCompositions(result());
  ASSERT_EQ(shown.size(), 6u);
  EXPECT_EQ(shown[0].videoHeight, 800);
  EXPECT_EQ(shown[0].y, 0);      // clamped at the top
  EXPECT_EQ(shown[2].y, 720);    // 1000 - 140 = 860 would leave the picture: 800 - 80
  EXPECT_EQ(shown[4].y, 699);    // 900 - 140 = 760 would too: 800 - 101
  EXPECT_EQ(shown[2].x, 1700);   // only heights change
  EXPECT_EQ(shown[2].width, 220);
  EXPECT_EQ(shown[2].height, 80);
  EXPECT_EQ(shown[3].pts, 360000u);
}

TEST_F(BdSup2Sub, CaptionsPassThroughUnchangedWithoutOptions) {
  SupBytes s;
  s.caption(1000, 2000, 300, 950, 400, 60, true);
  ASSERT_EQ(run(s.data, ""), 0);
  const std::vector<ShownCaption> shown = readCompositions(result());
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].x, 300);
  EXPECT_EQ(shown[0].y, 950);
  EXPECT_EQ(shown[0].width, 400);
  EXPECT_EQ(shown[0].height, 60);
  EXPECT_TRUE(shown[0].forced);
}

TEST_F(BdSup2Sub, ErrorsSayErrorAndExitOne) {
  std::string log;
  EXPECT_EQ(runCommand("java -jar \"" BDSUP2SUB_JAR "\" \"" + (dir_ / "none.sup").string() + "\" \"" +
                           (dir_ / "out.sup").string() + "\" /fps:keep",
                       &log),
            1);
  EXPECT_EQ(log.rfind("ERROR: ", 0), 0u) << log;
  log.clear();
  EXPECT_EQ(run(edgeCaptions().data, " /res:576p", &log), 1);
  EXPECT_EQ(log, "ERROR: only /res:720p is supported\n");
  SupBytes cut = edgeCaptions();
  cut.data.resize(cut.data.size() - 5);
  log.clear();
  EXPECT_EQ(run(cut.data, "", &log), 1);
  EXPECT_EQ(log.rfind("ERROR: truncated segment", 0), 0u) << log;
  EXPECT_EQ(run(edgeCaptions().data, " /cropy:540"), 1);
}

}  // namespace
