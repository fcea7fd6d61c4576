// A video file to an AVCHD folder sized for a custom medium: the planner's
// bitrate, two x264 passes, the tsMuxeR stand-in, and the result read by
// libbluray and FFmpeg as a player would, and measured against the medium.

#include <filesystem>

#include "bluray_probe.h"
#include "disc_fit.h"
#include "media_fixtures.h"
#include "readers.h"
#include "road_fixture.h"
#include "road_media.h"

namespace e2e {
namespace {

namespace media = quandrell::test;

constexpr uint64_t kFrameTicks = 90000 * 1001 / 24000;  // 3753.75, rounded down
constexpr uint64_t kClipTicks = media::kClipFrames * 90000ull * 1001 / 24000;

using AvchdRoad = RoadTest;

TEST_F(AvchdRoad, AVideoFileInTwoPassesFillsACustomMedium) {
  ASSERT_NO_FATAL_FAILURE(OpenFilm(ClipWithForcedCaptions()));
  ASSERT_NO_FATAL_FAILURE(user.ChooseMedia(kMediaCustom));
  EXPECT_EQ(user.RingLabels(PANEL_MEDIA)[kMediaCustom], "6 MB");
  ASSERT_NO_FATAL_FAILURE(user.ChooseSubtitleTarget(kSubtitleSelected));
  const int bitrate = user.Value(PANEL_BITRATE);
  EXPECT_NEAR(bitrate, 4000, 100);
  EXPECT_EQ(user.Text(PANEL_INFO),
            "Info: It's necessary to recode the video at " + std::to_string(bitrate) +
                " Kbps. The quality is regular :|");
  user.TypeChapters("00:00:00.000\n00:00:04.000\n00:00:08.000\n");
  // Both scan questions of an unscanned PGS track, declined.
  const Popups asked = user.AddToQueue({kConfirmNo, kConfirmNo});
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[1].message.rfind("The subs have a variable bitrate", 0), 0u) << asked[1].message;
  const Job& job = FirstJob();
  EXPECT_EQ(job.videoCopy, 0);
  ASSERT_NO_FATAL_FAILURE(RunQueue());

  const std::filesystem::path root = job.outputPath;
  EXPECT_EQ(root.filename(), "ROAD FILM (2012)");
  const auto titles = probeTitles(root);
  ASSERT_EQ(titles.size(), 1u);
  const ProbedTitle& title = titles[0];
  EXPECT_NEAR(static_cast<double>(title.duration), static_cast<double>(kClipTicks), kFrameTicks);
  EXPECT_EQ(title.chapterStarts, (std::vector<uint64_t>{0, 4 * 90000, 8 * 90000}));
  ASSERT_EQ(title.video.size(), 1u);
  EXPECT_EQ(title.video[0].pid, 0x1011);
  EXPECT_EQ(title.video[0].coding, 0x1B);  // H.264
  ASSERT_EQ(title.audio.size(), 1u);
  EXPECT_EQ(title.audio[0].pid, 0x1100);
  EXPECT_EQ(title.audio[0].coding, 0x81);  // AC-3
  EXPECT_EQ(title.audio[0].language, "eng");
  ASSERT_EQ(title.subtitles.size(), 1u);
  EXPECT_EQ(title.subtitles[0].pid, 0x1200);
  EXPECT_EQ(title.subtitles[0].coding, 0x90);  // PGS
  EXPECT_EQ(title.subtitles[0].language, "eng");
  EXPECT_EQ(DecodeErrors(root / "BDMV/STREAM/00000.m2ts"), "");
  EXPECT_FALSE(playFromFirstPlay(root).subtitlesShown);  // "Selected" keeps tsMuxeR's movie objects
  ExpectFits("AVCHD, two passes, 6 MB", job, kCustomMediumBytes);
}

TEST_F(AvchdRoad, AVideoFileWithoutSubtitlesFitsTheSameMedium) {
  ASSERT_NO_FATAL_FAILURE(OpenFilm(media::M2tsClip()));
  ASSERT_NO_FATAL_FAILURE(user.ChooseMedia(kMediaCustom));
  const Popups asked = user.AddToQueue({});
  EXPECT_TRUE(asked.empty());
  const Job& job = FirstJob();
  ASSERT_NO_FATAL_FAILURE(RunQueue());
  EXPECT_EQ(DecodeErrors(std::filesystem::path(job.outputPath) / "BDMV/STREAM/00000.m2ts"), "");
  ExpectFits("AVCHD, no subtitles, 6 MB", job, kCustomMediumBytes);
}

}  // namespace
}  // namespace e2e
