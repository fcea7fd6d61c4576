// AVCHD roads of a PGS track with forced and unforced captions: shown by
// default ("Selected forced"), reduced to its forced captions after a scan
// ("Extract only forced"), and resized with the picture to 720p.

#include <algorithm>
#include <filesystem>

#include "bluray_probe.h"
#include "disc_fit.h"
#include "media_probe.h"
#include "readers.h"
#include "road_fixture.h"
#include "road_media.h"
#include "sup_bytes.h"

namespace e2e {
namespace {

namespace media = quandrell::test;

class SubtitleRoad : public RoadTest {
 protected:
  void OpenFilmForCustomMedium() {
    ASSERT_NO_FATAL_FAILURE(OpenFilm(ClipWithForcedCaptions()));
    ASSERT_NO_FATAL_FAILURE(user.ChooseMedia(kMediaCustom));
  }
  std::filesystem::path Root() { return FirstJob().outputPath; }

  // The disc lists the subtitle stream as the source had it, and fits.
  void ExpectSubtitlesOnTheDisc(const std::string& road) {
    const auto titles = probeTitles(Root());
    ASSERT_EQ(titles.size(), 1u);
    ASSERT_EQ(titles[0].subtitles.size(), 1u);
    EXPECT_EQ(titles[0].subtitles[0].pid, 0x1200);
    EXPECT_EQ(titles[0].subtitles[0].language, "eng");
    ExpectFits(road, FirstJob(), kCustomMediumBytes);
  }

  // Both movie-object files are the program's 302-byte replacement, whose
  // first play turns the subtitles on.
  void ExpectSubtitlesShownByDefault() {
    const std::string main = test::ReadFile((Root() / "BDMV/MovieObject.bdmv").string());
    EXPECT_EQ(main.size(), 302u);
    EXPECT_EQ(main.substr(0, 8), "MOBJ0100");
    EXPECT_EQ(test::ReadFile((Root() / "BDMV/BACKUP/MovieObject.bdmv").string()), main);
    EXPECT_TRUE(playFromFirstPlay(Root()).subtitlesShown);
  }
};

// The compositions that show a caption.
std::vector<ShownCaption> Shown(const std::string& sup) {
  std::vector<ShownCaption> shown;
  for (const ShownCaption& caption : readCompositions(Bytes(sup.begin(), sup.end())))
    if (caption.width > 0) shown.push_back(caption);
  return shown;
}

TEST_F(SubtitleRoad, SelectedForcedShowsTheWholeTrackByDefault) {
  ASSERT_NO_FATAL_FAILURE(OpenFilmForCustomMedium());
  ASSERT_NO_FATAL_FAILURE(user.ChooseSubtitleTarget(kSubtitleForced));
  EXPECT_EQ(user.AddToQueue({kConfirmNo, kConfirmNo}).size(), 2u);
  EXPECT_EQ(FirstJob().subMode, kSubtitleForced);
  ASSERT_NO_FATAL_FAILURE(RunQueue());

  ExpectSubtitlesShownByDefault();
  EXPECT_EQ(Shown(SubtitleStream(Root() / "BDMV/STREAM/00000.m2ts")).size(), ClipCaptions().size());
  ExpectSubtitlesOnTheDisc("AVCHD, Selected forced, 6 MB");
}

TEST_F(SubtitleRoad, ExtractOnlyForcedAfterAScanKeepsTheForcedCaptions) {
  ASSERT_NO_FATAL_FAILURE(OpenFilmForCustomMedium());
  EXPECT_EQ(user.RingLabels(PANEL_SUBT).size(), 3u);  // no forced captions counted yet
  ASSERT_NO_FATAL_FAILURE(user.ScanBitrates());
  EXPECT_EQ(app().source.subtitle[0].forcedCaptions, ForcedCaptionCount());
  ASSERT_EQ(user.RingLabels(PANEL_SUBT).size(), 4u);
  EXPECT_EQ(user.RingLabels(PANEL_SUBT)[3], "Extract only forced");
  ASSERT_NO_FATAL_FAILURE(user.ChooseSubtitleTarget(kSubtitleOnlyForced));
  const Popups asked = user.AddToQueue();
  EXPECT_TRUE(asked.empty()) << asked.front().title << ": " << asked.front().message;
  ASSERT_NO_FATAL_FAILURE(RunQueue());

  ExpectSubtitlesShownByDefault();
  const auto shown = Shown(SubtitleStream(Root() / "BDMV/STREAM/00000.m2ts"));
  EXPECT_EQ(static_cast<int>(shown.size()), ForcedCaptionCount());
  EXPECT_TRUE(std::all_of(shown.begin(), shown.end(), [](const ShownCaption& c) { return c.forced; }));
  ExpectSubtitlesOnTheDisc("AVCHD, Extract only forced, 6 MB");
}

TEST_F(SubtitleRoad, AResizeTo720pScalesTheCaptionsWithThePicture) {
  ASSERT_NO_FATAL_FAILURE(OpenFilmForCustomMedium());
  ASSERT_NO_FATAL_FAILURE(user.ChooseSubtitleTarget(kSubtitleSelected));
  ASSERT_NO_FATAL_FAILURE(user.ResizeTo720p());
  user.ToggleDebugMode();  // keeps the temporary files
  EXPECT_EQ(user.AddToQueue({kConfirmNo, kConfirmNo}).size(), 2u);
  EXPECT_EQ(FirstJob().resize720, 2);  // PGS subtitles go through BDSup2Sub
  ASSERT_NO_FATAL_FAILURE(RunQueue());

  const std::string resized = test::ReadFile(TempFile("ROAD FILM (2012).job_0.resized.sup").string());
  const auto shown = Shown(resized);
  EXPECT_EQ(shown.size(), ClipCaptions().size());
  for (const ShownCaption& c : shown) {
    EXPECT_EQ(c.videoWidth, 1280);
    EXPECT_EQ(c.videoHeight, 720);
    EXPECT_LE(c.x + c.width, 1280) << "caption at " << c.pts;
    EXPECT_LE(c.y + c.height, 720) << "caption at " << c.pts;
  }
  const auto streams = media::ProbeStreams(Root() / "BDMV/STREAM/00000.m2ts");
  ASSERT_FALSE(streams.empty());
  EXPECT_EQ(streams[0].Number("width"), 1280);
  EXPECT_EQ(streams[0].Number("height"), 720);
  ExpectSubtitlesOnTheDisc("AVCHD 720p, Selected, 6 MB");
}

}  // namespace
}  // namespace e2e
