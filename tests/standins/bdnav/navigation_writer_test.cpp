// A two-title disc, one title of two clips, written to a folder and read
// back by libbluray as a player would.

#include "bdnav/navigation_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "bluray_probe.h"
#include "temp_folder.h"
#include "test_media.h"
#include "stream_factories.h"

namespace fs = std::filesystem;

namespace {

constexpr uint32_t kSecond45k = 45000;

bdnav::Clip clip(const std::string& name, uint32_t seconds, bool withSubtitles) {
  bdnav::Clip c;
  c.name = name;
  c.streams = {video(), audio(bdnav::audio_format::stereo, "deu")};
  if (withSubtitles) c.streams.push_back(subtitles("spa"));
  c.packetCount = 1000 * seconds;
  c.startTime = 600 * kSecond45k;
  c.endTime = c.startTime + seconds * kSecond45k;
  for (uint32_t s = 0; s < seconds; ++s) c.entryPoints.push_back({(600ull + s) * 90000, 4 + 1000 * s});
  return c;
}

bdnav::Navigation twoTitles() {
  const uint32_t start = 600 * kSecond45k;
  bdnav::Navigation nav;
  nav.clips = {clip("00000", 4, false), clip("00001", 3, true), clip("00002", 2, true)};
  bdnav::Playlist first{"00000", {{"00000", start, start + 4 * kSecond45k}}, {{0, start}, {0, start + 2 * kSecond45k}}};
  bdnav::Playlist second{"00001",
                         {{"00001", start, start + 3 * kSecond45k}, {"00002", start, start + 2 * kSecond45k}},
                         {{0, start}, {1, start + kSecond45k}}};
  nav.playlists = {first, second};
  return nav;
}

class NavigationWriter : public ::testing::Test {
 protected:
  quandrell::test::TempFolder scratch_;
  const fs::path root_ = scratch_ / "disc";
};

TEST_F(NavigationWriter, LibblurayListsBothTitlesWithClipsChaptersAndStreams) {
  bdnav::writeNavigation(root_, twoTitles());
  std::vector<ProbedTitle> titles = probeTitles(root_);
  ASSERT_EQ(titles.size(), 2u);
  std::sort(titles.begin(), titles.end(), [](auto& a, auto& b) { return a.playlist < b.playlist; });

  EXPECT_EQ(titles[0].duration, 4u * 90000);
  EXPECT_EQ(titles[0].clips, std::vector<std::string>{"00000"});
  EXPECT_EQ(titles[0].chapterStarts, (std::vector<uint64_t>{0, 2 * 90000}));
  ASSERT_EQ(titles[0].audio.size(), 1u);
  EXPECT_EQ(titles[0].audio[0].language, "deu");
  EXPECT_TRUE(titles[0].subtitles.empty());

  EXPECT_EQ(titles[1].duration, 5u * 90000);
  EXPECT_EQ(titles[1].clips, (std::vector<std::string>{"00001", "00002"}));
  // The second chapter lies 1 s into the second clip, after its 3 s predecessor.
  EXPECT_EQ(titles[1].chapterStarts, (std::vector<uint64_t>{0, 4 * 90000}));
  ASSERT_EQ(titles[1].video.size(), 1u);
  EXPECT_EQ(titles[1].video[0].pid, 0x1011);
  EXPECT_EQ(titles[1].video[0].coding, 0x1b);
  ASSERT_EQ(titles[1].subtitles.size(), 1u);
  EXPECT_EQ(titles[1].subtitles[0].pid, 0x1200);
  EXPECT_EQ(titles[1].subtitles[0].language, "spa");

  std::string listing;
  EXPECT_EQ(runCommand("bd_list_titles -a '" + root_.string() + "'", &listing), 0);
  EXPECT_NE(listing.find("clips:   1 (playlist: 00000.mpls) V:1 A:1  PG:0"), std::string::npos) << listing;
  EXPECT_NE(listing.find("clips:   2 (playlist: 00001.mpls) V:1 A:1  PG:1"), std::string::npos) << listing;
}

TEST_F(NavigationWriter, WritesEveryFileTwiceAndTheEmptyFolders) {
  bdnav::writeNavigation(root_, twoTitles());
  for (const char* file : {"index.bdmv", "MovieObject.bdmv", "PLAYLIST/00000.mpls", "PLAYLIST/00001.mpls",
                           "CLIPINF/00000.clpi", "CLIPINF/00001.clpi", "CLIPINF/00002.clpi"}) {
    SCOPED_TRACE(file);
    ASSERT_TRUE(fs::is_regular_file(root_ / "BDMV" / file));
    EXPECT_EQ(fs::file_size(root_ / "BDMV" / file), fs::file_size(root_ / "BDMV/BACKUP" / file));
  }
  for (const char* folder : {"BDMV/STREAM", "BDMV/AUXDATA", "CERTIFICATE/BACKUP"}) {
    EXPECT_TRUE(fs::is_directory(root_ / folder)) << folder;
    EXPECT_TRUE(fs::is_empty(root_ / folder)) << folder;
  }
}

TEST_F(NavigationWriter, RefusesNamesThatAreNotFiveDigitsBeforeWritingAnything) {
  bdnav::Navigation nav = twoTitles();
  nav.playlists[1].name = "1";
  EXPECT_THROW(bdnav::writeNavigation(root_, nav), std::invalid_argument);
  nav = twoTitles();
  nav.clips[0].name = "0000a";
  EXPECT_THROW(bdnav::writeNavigation(root_, nav), std::invalid_argument);
  EXPECT_FALSE(fs::exists(root_));
}

}  // namespace
