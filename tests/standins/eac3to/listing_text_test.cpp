#include <gtest/gtest.h>

#include "chapter_text.h"
#include "playlist.h"
#include "source_listing.h"
#include "track_description.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace eac3to {
namespace {

Track Audio(const std::string& codec, int profile, int channels, bool lfe) {
  Track track;
  track.kind = TrackKind::Audio;
  track.codec = codec;
  track.profile = profile;
  track.language = "eng";
  track.audio.channels = channels;
  track.audio.lfe = lfe;
  track.audio.sampleRate = 48000;
  return track;
}

// How the program reads a core bitrate back: from "N: " to the first "z)",
// then the first comma-separated part of "(core..." that holds "kbps".
int CoreKbpsAsTheProgramReadsIt(const std::string& listing, int number) {
  const auto start = listing.find(std::to_string(number) + ": ");
  const auto end = listing.find("z)", start);
  const std::string line = listing.substr(start + 3, end + 2 - (start + 3));
  std::string rest = line.substr(line.find("(core"));
  for (std::size_t comma; !rest.empty(); rest = comma == std::string::npos ? "" : rest.substr(comma + 1)) {
    comma = rest.find(',');
    const std::string part = rest.substr(0, comma);
    if (part.find("kbps") != std::string::npos) return std::stoi(part.substr(1));
  }
  return -1;
}

TEST(TrackDescription, DtsMasterAudioCarriesItsCoreOnItsLine) {
  Track track = Audio("dts", FF_PROFILE_DTS_HD_MA, 6, true);
  track.audio.bits = 24;
  track.audio.core = AudioCore{"DTS", 6, true, 1509, 48000, std::nullopt};
  const std::string line = DescribeTrack(track);
  EXPECT_EQ(line,
            "DTS Master Audio, English, 5.1 channels, 24 bits, 48kHz "
            "(core: DTS, 5.1 channels, 1509kbps, 48kHz)");
  EXPECT_EQ(CoreKbpsAsTheProgramReadsIt("1: h264/AVC\n2: " + line + "\n", 2), 1509);
}

TEST(TrackDescription, TrueHdShowsItsEmbeddedAc3) {
  Track track = Audio("truehd", -1, 8, true);
  track.language = "ger";
  track.audio.bits = 24;
  track.audio.core = AudioCore{"AC3", 6, true, 640, 48000, -27};
  EXPECT_EQ(DescribeTrack(track),
            "TrueHD/AC3, German, 7.1 channels, 24 bits, 48kHz "
            "(embedded: AC3, 5.1 channels, 640kbps, 48kHz, dialnorm: -27dB)");
}

TEST(TrackDescription, LossyAudioShowsItsBitrate) {
  Track track = Audio("ac3", -1, 2, false);
  track.language = "";
  track.audio.kbps = 192;
  track.audio.sampleRate = 44100;
  EXPECT_EQ(DescribeTrack(track), "AC3, 2.0 channels, 192kbps, 44.1kHz");
}

TEST(TrackDescription, VideoLinesNameScanRateAndRightEye) {
  Track track;
  track.codec = "vc1";
  track.video = {1920, 1080, true, 30000, 1001, 16, 9, false};
  EXPECT_EQ(DescribeTrack(track), "VC-1, 1080i60 /1.001 (16:9)");
  track.codec = "h264";
  track.video = {1920, 1080, false, 24000, 1001, 16, 9, true};
  EXPECT_EQ(DescribeTrack(track), "h264/MVC, 1080p24 /1.001 (16:9) (right eye)");
  track.video = {1280, 720, false, 50, 1, 16, 9, false};
  EXPECT_EQ(DescribeTrack(track), "h264/AVC, 720p50 (16:9)");
}

TEST(TrackDescription, SubtitlesAndChapters) {
  Track pgs;
  pgs.kind = TrackKind::Subtitle;
  pgs.codec = "hdmv_pgs_subtitle";
  pgs.language = "spa";
  pgs.title = "Forced";
  EXPECT_EQ(DescribeTrack(pgs), "Subtitle (PGS), Spanish, \"Forced\"");
  Track chapters;
  chapters.kind = TrackKind::Chapters;
  chapters.chapterCount = 1;
  EXPECT_EQ(DescribeTrack(chapters), "Chapters, 1 chapter");
}

TEST(DurationText, RoundsToTheNearestSecond) {
  EXPECT_EQ(DurationText(9499), "0:00:09");
  EXPECT_EQ(DurationText(9500), "0:00:10");
  EXPECT_EQ(DurationText(6730400), "1:52:10");
  EXPECT_EQ(DurationText(-5), "0:00:00");
}

Playlist MakePlaylist(unsigned mpls, std::int64_t ms, std::vector<std::string> clips) {
  Playlist playlist;
  playlist.mpls = mpls;
  playlist.durationMs = ms;
  for (auto& id : clips) playlist.clips.push_back({id, 0, 0});
  return playlist;
}

TEST(PlaylistListing, OneClipOnItsLineSeveralClipsOnTheNext) {
  const auto lines = ListPlaylists({MakePlaylist(800, 6730000, {"00001"}),
                                    MakePlaylist(801, 2460000, {"00002", "00003", "00010"})});
  const std::vector<std::string> expected = {"1) 00800.mpls, 00001.m2ts, 1:52:10",
                                             "2) 00801.mpls, 0:41:00",
                                             "   [00002+00003+00010].m2ts"};
  EXPECT_EQ(lines, expected);
}

TEST(PlaylistListing, LongestFirstThenByNumberAndAtMostFifteen) {
  std::vector<Playlist> playlists;
  for (unsigned i = 0; i < 20; ++i) playlists.push_back(MakePlaylist(100 - i, 60000 * (i % 4), {"00001"}));
  OrderPlaylists(playlists);
  ASSERT_EQ(playlists.size(), 15u);
  EXPECT_EQ(playlists[0].mpls, 81u);  // the longest, lowest number first among equals
  EXPECT_EQ(playlists[1].mpls, 85u);
  EXPECT_EQ(playlists[14].durationMs, 60000);
  EXPECT_EQ(ListPlaylists(playlists)[9].substr(0, 5), "10) 0");
}

TEST(ChapterText, PairsOfTimeAndNameLines) {
  EXPECT_EQ(ChapterText({0, 4000, 3723456}),
            "CHAPTER01=00:00:00.000\nCHAPTER01NAME=Chapter 01\n"
            "CHAPTER02=00:00:04.000\nCHAPTER02NAME=Chapter 02\n"
            "CHAPTER03=01:02:03.456\nCHAPTER03NAME=Chapter 03\n");
}

}  // namespace
}  // namespace eac3to
