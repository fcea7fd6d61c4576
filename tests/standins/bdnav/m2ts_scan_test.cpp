// The scanner against a stream ffmpeg made, checked with ffprobe's view and
// the raw packets.

#include "bdnav/m2ts_scan.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include "bdnav/navigation_writer.h"
#include "bluray_probe.h"
#include "temp_folder.h"
#include "test_media.h"

namespace fs = std::filesystem;

namespace {

class M2tsScanTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    scratch_ = std::make_unique<quandrell::test::TempFolder>();
    dir_ = scratch_->path();
    ASSERT_TRUE(makeM2ts(dir_ / "clip.m2ts", TestClip{}));
  }
  static void TearDownTestSuite() { scratch_.reset(); }

  static size_t ffprobeKeyFrames() {
    std::string out;
    runCommand("ffprobe -v error -select_streams v -show_entries packet=flags -of csv=p=0 '" +
                   (dir_ / "clip.m2ts").string() + "'",
               &out);
    std::istringstream lines(out);
    size_t keys = 0;
    for (std::string line; std::getline(lines, line);) keys += line.find('K') != std::string::npos;
    return keys;
  }

  static std::unique_ptr<quandrell::test::TempFolder> scratch_;
  static fs::path dir_;
};
std::unique_ptr<quandrell::test::TempFolder> M2tsScanTest::scratch_;
fs::path M2tsScanTest::dir_;

TEST_F(M2tsScanTest, FindsProgramPacketsSpanAndRandomAccessPoints) {
  const fs::path file = dir_ / "clip.m2ts";
  const bdnav::M2tsScan scan = bdnav::scanM2ts(file);
  EXPECT_EQ(scan.packetCount, fs::file_size(file) / 192);
  ASSERT_EQ(scan.streams.size(), 2u);
  EXPECT_EQ(scan.streams[0].pid, 0x1011);
  EXPECT_EQ(scan.streams[0].streamType, 0x1b);
  EXPECT_EQ(scan.streams[1].pid, 0x1100);
  EXPECT_EQ(scan.streams[1].streamType, 0x81);
  EXPECT_EQ(scan.frames, 48u);
  EXPECT_EQ(scan.streams[0].units, 48u);
  EXPECT_GT(scan.streams[1].units, 0u);
  EXPECT_NEAR(double(scan.endPts - scan.firstPts), 48 * 3753.75, 1.0);
  EXPECT_GE(scan.entryPoints.size(), 4u);  // a key frame every 12 of 48 frames
  ASSERT_EQ(scan.entryPoints.size(), ffprobeKeyFrames());
  EXPECT_EQ(scan.entryPoints.front().pts, scan.firstPts);

  // Every entry point names a packet that opens a video PES.
  std::ifstream in(file, std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
  for (const bdnav::EntryPoint& e : scan.entryPoints) {
    const uint8_t* p = bytes.data() + size_t(e.spn) * 192 + 4;
    EXPECT_EQ((p[1] & 0x1f) << 8 | p[2], 0x1011);
    EXPECT_TRUE(p[1] & 0x40) << "packet " << e.spn;
  }
}

TEST_F(M2tsScanTest, ClipFromScanPlaysForTheStreamsDuration) {
  const bdnav::M2tsScan scan = bdnav::scanM2ts(dir_ / "clip.m2ts");
  bdnav::Navigation nav;
  nav.clips = {bdnav::clipFromScan(scan, "00000")};
  nav.playlists = {{"00000", {{"00000", nav.clips[0].startTime, nav.clips[0].endTime}}, {{0, nav.clips[0].startTime}}}};
  const fs::path root = dir_ / "disc";
  bdnav::writeNavigation(root, nav);
  fs::copy_file(dir_ / "clip.m2ts", root / "BDMV/STREAM/00000.m2ts");

  const std::vector<ProbedTitle> titles = probeTitles(root);
  ASSERT_EQ(titles.size(), 1u);
  EXPECT_NEAR(double(titles[0].duration), 48 * 3753.75, 3753.75);
  // First play and the top menu lead to title 1, which plays the playlist.
  const MenuPlayback playback = playFromFirstPlay(root);
  EXPECT_EQ(playback.titles, (std::vector<uint32_t>{0xffff, 0, 1}));
  EXPECT_EQ(playback.playlists, std::vector<uint32_t>{0});
  ASSERT_EQ(titles[0].audio.size(), 1u);
  EXPECT_EQ(titles[0].audio[0].pid, 0x1100);
}

TEST_F(M2tsScanTest, RefusesWhatIsNotABdavStream) {
  const fs::path plainTs = dir_ / "plain.ts";
  ASSERT_EQ(runCommand("nice ffmpeg -nostdin -v error -y -i '" + (dir_ / "clip.m2ts").string() +
                       "' -c copy -t 0.5 -f mpegts '" + plainTs.string() + "'"),
            0);
  EXPECT_THROW(bdnav::scanM2ts(plainTs), std::runtime_error);
  EXPECT_THROW(bdnav::scanM2ts(dir_ / "missing.m2ts"), std::runtime_error);
  const fs::path noTables = dir_ / "zeros.m2ts";
  std::ofstream(noTables, std::ios::binary) << std::string(192 * 3, '\0');
  EXPECT_THROW(bdnav::scanM2ts(noTables), std::runtime_error);
}

}  // namespace
