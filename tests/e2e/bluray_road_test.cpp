// A Blu-ray folder through the whole program: the eac3to stand-in lists it,
// the playlist dialog offers its playlists, the two-clip playlist is joined
// and recoded into a Matroska file as long as the playlist.

#include <cmath>
#include <filesystem>

#include "bluray_probe.h"
#include "bluray_fixture.h"
#include "media_fixtures.h"
#include "media_probe.h"
#include "readers.h"
#include "road_fixture.h"

namespace e2e {
namespace {

namespace media = quandrell::test;

constexpr double kOneFrame = 1001.0 / 24000;

// The pictures of a playlist, from its duration as libbluray reads it.
long PlaylistFrames(const std::filesystem::path& disc, uint32_t playlist) {
  for (const auto& title : probeTitles(disc))
    if (title.playlist == playlist) return std::lround(static_cast<double>(title.duration) / 90000 / kOneFrame);
  return -1;
}

using BlurayRoad = RoadTest;

TEST_F(BlurayRoad, TheTwoClipPlaylistJoinedIntoAMatroskaFileAsLongAsThePlaylist) {
  const std::string disc = Place(media::BlurayFolder(), "Road.Disc.2011");
  user.OpenBlurayFolder(disc);
  ASSERT_NE(user.PlaylistDialog(), 0) << "no playlist dialog";
  EXPECT_EQ(user.Playlists(), (std::vector<std::string>{"00002.mpls  (0:00:15)", "00001.mpls  (0:00:10)"}));
  EXPECT_EQ(user.PlaylistClips(), "00001 + 00002");
  ASSERT_NO_FATAL_FAILURE(user.ProceedWithPlaylist(0));
  EXPECT_EQ(app().source.joinPlaylist, 1);
  EXPECT_EQ(user.Text(PANEL_PLAYLIST_TIME), "0:00:15");
  EXPECT_EQ(user.Text(PANEL_SOURCE), disc + "/BDMV/STREAM/00001.m2ts");  // the larger clip
  EXPECT_EQ(user.Text(PANEL_CAPITOLS).rfind("00:00:00.000\n00:00:10.0", 0), 0u) << user.Text(PANEL_CAPITOLS);

  ASSERT_NO_FATAL_FAILURE(user.ChooseMedia(kMediaMkv));
  ASSERT_NO_FATAL_FAILURE(user.ChooseSubtitleTarget(kSubtitleSelected));
  // A PGS track with the forced-subtitle setting on (the default) asks
  // for a scan first; the user declines.
  const Popups asked = user.AddToQueue({kConfirmNo});
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].message.rfind("You have marked the forced subtitles option", 0), 0u) << asked[0].message;
  const Job& job = FirstJob();
  EXPECT_EQ(job.joinPlaylist, 1);
  EXPECT_STREQ(job.sourceBdFolder, disc.c_str());
  ASSERT_NO_FATAL_FAILURE(RunQueue());

  const std::filesystem::path output = job.outputPath;
  EXPECT_EQ(output.filename(), "Road Disc (2011).mkv");
  const MkvFile mkv = IdentifyMatroska(output);
  ASSERT_TRUE(mkv.read) << mkv.json;
  EXPECT_EQ(mkv.chapterEntries, 2);
  const auto chapters = ChapterStartsMs(output);
  ASSERT_EQ(chapters.size(), 2u);
  EXPECT_EQ(chapters[0], 0);
  EXPECT_NEAR(chapters[1], media::kClipFrames * kOneFrame * 1000, kOneFrame * 1000);  // the second clip's start
  const auto streams = media::ProbeStreams(output);
  ASSERT_EQ(streams.size(), 3u);
  const long frames = PlaylistFrames(disc, 2);
  EXPECT_EQ(frames, media::kClipFrames + media::kClipFrames / 2);  // 240 of the first clip, 120 of the second
  EXPECT_EQ(streams[0].Number("nb_read_packets"), frames);
  EXPECT_EQ(streams[1].Get("tag:language"), "eng");
  EXPECT_EQ(streams[2].Get("codec_name"), "hdmv_pgs_subtitle");
  EXPECT_NEAR(media::ProbeDuration(output), static_cast<double>(frames) * kOneFrame, kOneFrame);
  EXPECT_EQ(DecodeErrors(output), "");
}

}  // namespace
}  // namespace e2e
