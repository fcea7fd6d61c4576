// Byte layouts of the navigation encoders: the reference files are what
// tsMuxeR wrote for a 3-second H.264 + AC-3 clip with chapters at 0, 1, 2 s.

#include <gtest/gtest.h>
#include <libbluray/bluray.h>
#include <libbluray/clpi_data.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "bdnav/encoders.h"
#include "temp_folder.h"
#include "stream_factories.h"

namespace {

std::vector<uint8_t> readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

bdnav::Clip referenceClip() {
  bdnav::Clip clip;
  clip.streams = {video(), audio(bdnav::audio_format::multichannel, "eng")};
  clip.packetCount = 0x4f00;
  clip.startTime = 27000000;
  clip.endTime = 27137011;
  clip.entryPoints = {{54000000, 4}, {54090090, 7610}, {54180180, 13939}};
  return clip;
}

bdnav::Playlist referencePlaylist() {
  bdnav::Playlist playlist;
  playlist.items = {{"00000", 27000000, 27137011}};
  playlist.marks = {{0, 27000000}, {0, 27045000}, {0, 27090000}};
  return playlist;
}

TEST(Encoders, PlaylistMatchesTsMuxerByteForByte) {
  EXPECT_EQ(bdnav::encodePlaylist(referencePlaylist(), {referenceClip()}),
            readBytes(BDNAV_TEST_DATA "/reference.mpls"));
}

TEST(Encoders, ClipInfoMatchesTsMuxerByteForByte) {
  EXPECT_EQ(bdnav::encodeClipInfo(referenceClip()), readBytes(BDNAV_TEST_DATA "/reference.clpi"));
}

TEST(Encoders, SubtitleStreamsFollowAudioInThePlaylistTable) {
  bdnav::Clip clip = referenceClip();
  clip.streams.insert(clip.streams.begin(), subtitles("fra"));
  const std::vector<uint8_t> bytes = bdnav::encodePlaylist(referencePlaylist(), {clip});
  // STN counts: one video, one audio, one PG; the PG entry comes last.
  const size_t stn = 0x66;
  EXPECT_EQ(bytes[stn + 4], 1);
  EXPECT_EQ(bytes[stn + 5], 1);
  EXPECT_EQ(bytes[stn + 6], 1);
  const size_t pgEntry = stn + 2 + 14 + 2 * 16;
  EXPECT_EQ(bytes[pgEntry + 2] << 8 | bytes[pgEntry + 3], 0x1200);
  EXPECT_EQ(bytes[pgEntry + 11], 0x90);
  EXPECT_EQ(std::string(bytes.begin() + pgEntry + 12, bytes.begin() + pgEntry + 15), "fra");
}

TEST(Encoders, BadReferencesAreRefused) {
  bdnav::Playlist playlist = referencePlaylist();
  EXPECT_THROW(bdnav::encodePlaylist(playlist, {}), std::invalid_argument);
  playlist.marks.push_back({1, 27000000});
  EXPECT_THROW(bdnav::encodePlaylist(playlist, {referenceClip()}), std::invalid_argument);
}

// Entry points crossing the 2^19 PTS and 2^17 packet boundaries of the
// coarse table come back whole through libbluray's own reader.
TEST(Encoders, EpMapRoundTripsThroughLibbluray) {
  bdnav::Clip clip = referenceClip();
  clip.entryPoints.clear();
  for (uint32_t i = 0; i < 400; ++i) clip.entryPoints.push_back({54000000 + i * 45045ull, 4 + i * 1500});
  const std::vector<uint8_t> bytes = bdnav::encodeClipInfo(clip);
  const quandrell::test::TempFolder scratch;
  const auto path = scratch / "00000.clpi";
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());

  CLPI_CL* cl = bd_read_clpi(path.c_str());
  ASSERT_NE(cl, nullptr);
  ASSERT_EQ(cl->cpi.num_stream_pid, 1);
  const CLPI_EP_MAP_ENTRY& map = cl->cpi.entry[0];
  EXPECT_EQ(map.pid, 0x1011);
  ASSERT_EQ(map.num_ep_fine, 400u);
  EXPECT_GT(map.num_ep_coarse, 2u);
  for (int c = 0; c < map.num_ep_coarse; ++c) {
    const int end = c + 1 < map.num_ep_coarse ? map.coarse[c + 1].ref_ep_fine_id : map.num_ep_fine;
    for (int f = map.coarse[c].ref_ep_fine_id; f < end; ++f) {
      const uint32_t spn = (map.coarse[c].spn_ep & ~0x1ffffu) + map.fine[f].spn_ep;
      const uint64_t pts45 = (uint64_t(map.coarse[c].pts_ep & ~1u) << 18) + (uint64_t(map.fine[f].pts_ep) << 8);
      EXPECT_EQ(spn, clip.entryPoints[f].spn);
      EXPECT_EQ(pts45, (clip.entryPoints[f].pts >> 9) << 8);
    }
  }
  bd_free_clpi(cl);
}

}  // namespace
