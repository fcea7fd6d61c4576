// Video files to Matroska through the whole program: recoded at a constant
// quality with the audio in FLAC, and remuxed with the video untouched.

#include <filesystem>

#include "media_fixtures.h"
#include "media_probe.h"
#include "readers.h"
#include "road_fixture.h"
#include "road_media.h"

namespace e2e {
namespace {

namespace media = quandrell::test;
constexpr int kAudioFlac = 2;

class MkvRoad : public RoadTest {
 protected:
  // Adds the job with no question asked and runs the queue dry.
  void AddAndRun() {
    const Popups asked = user.AddToQueue();
    EXPECT_TRUE(asked.empty()) << asked.front().title << ": " << asked.front().message;
    RunQueue();
  }
  std::filesystem::path Output() { return FirstJob().outputPath; }
};

// Every NAL unit of the source's video is in the copy, byte for byte.
void ExpectSameCodedVideo(const std::filesystem::path& source, const std::filesystem::path& copy) {
  const auto original = CodedNalUnits(RawH264(source)), copied = CodedNalUnits(RawH264(copy));
  ASSERT_GT(original.size(), static_cast<size_t>(media::kClipFrames));
  EXPECT_TRUE(original == copied) << original.size() << " NAL units became " << copied.size();
}

// FLAC is offered for a plain track only when it is PCM: the road's source
// has Blu-ray LPCM where the shared clip has AC-3.
TEST_F(MkvRoad, AVideoFileRecodedAtCrf20WithItsAudioInFlac) {
  ASSERT_NO_FATAL_FAILURE(OpenFilm(LpcmClip()));
  ASSERT_NO_FATAL_FAILURE(user.ChooseMedia(kMediaMkv));
  EXPECT_EQ(user.Value(PANEL_BITRATE), 20);
  EXPECT_EQ(user.Text(PANEL_INFO), "Info: The video is recoded using a CRF 20. The quality is good :)");
  ASSERT_NO_FATAL_FAILURE(user.ChooseAudioTarget(kAudioFlac));
  ASSERT_NO_FATAL_FAILURE(AddAndRun());

  EXPECT_EQ(Output().filename(), "Road Film (2012).mkv");
  const MkvFile mkv = IdentifyMatroska(Output());
  ASSERT_TRUE(mkv.read) << mkv.json;
  EXPECT_EQ(mkv.title, "Road Film (2012) - created with Quandrell v1.7.1");
  ASSERT_EQ(mkv.tracks.size(), 2u) << mkv.json;
  EXPECT_EQ(mkv.tracks[0].type, "video");
  EXPECT_EQ(mkv.tracks[0].codec, "AVC/H.264/MPEG-4p10");
  EXPECT_EQ(mkv.tracks[1].codec, "FLAC");
  EXPECT_EQ(mkv.tracks[1].language, "eng");

  const auto streams = media::ProbeStreams(Output());
  ASSERT_EQ(streams.size(), 2u);
  EXPECT_EQ(streams[0].Get("codec_name"), "h264");
  EXPECT_EQ(streams[0].Number("nb_read_packets"), media::kClipFrames);
  EXPECT_EQ(streams[1].Get("codec_name"), "flac");
  EXPECT_EQ(streams[1].Number("channels"), 6);
  EXPECT_EQ(MediaInfoField(Output(), "Video", "FrameCount"), std::to_string(media::kClipFrames));
  EXPECT_EQ(DecodeErrors(Output()), "");
}

TEST_F(MkvRoad, AVideoFileRemuxedKeepsTheVideoBitForBit) {
  std::string clip;
  ASSERT_NO_FATAL_FAILURE(clip = OpenFilm(media::M2tsClip()));
  ASSERT_NO_FATAL_FAILURE(user.ChooseMedia(kMediaMkvRemux));
  EXPECT_EQ(user.Value(PANEL_BITRATE), 1);
  EXPECT_EQ(user.Text(PANEL_INFO), "Info: Not recode the video. Only remux the untouched video :)");
  ASSERT_NO_FATAL_FAILURE(AddAndRun());

  const MkvFile mkv = IdentifyMatroska(Output());
  ASSERT_TRUE(mkv.read) << mkv.json;
  ASSERT_EQ(mkv.tracks.size(), 2u) << mkv.json;
  EXPECT_EQ(mkv.tracks[1].codec, "AC-3");
  ExpectSameCodedVideo(clip, Output());
}

TEST_F(MkvRoad, AMatroskaFileRemuxedKeepsItsChaptersAndSubtitles) {
  ASSERT_NO_FATAL_FAILURE(user.OpenVideoFile(Place(media::MatroskaWithChapters(), "Road.Film.2012.mkv")));
  EXPECT_EQ(user.Text(PANEL_CAPITOLS), "00:00:00.000\n00:00:04.000\n00:00:08.000");
  ASSERT_NO_FATAL_FAILURE(user.ChooseMedia(kMediaMkvRemux));
  ASSERT_NO_FATAL_FAILURE(user.ChooseSubtitleTarget(kSubtitleSelected));
  ASSERT_NO_FATAL_FAILURE(AddAndRun());

  const MkvFile mkv = IdentifyMatroska(Output());
  ASSERT_TRUE(mkv.read) << mkv.json;
  EXPECT_EQ(mkv.chapterEntries, 3);
  EXPECT_EQ(ChapterStartsMs(Output()), (std::vector<int64_t>{0, 4000, 8000}));
  ASSERT_EQ(mkv.tracks.size(), 3u) << mkv.json;
  EXPECT_EQ(mkv.tracks[2].codec, "SubRip/SRT");
  EXPECT_EQ(mkv.tracks[2].language, "eng");
  ExpectSameCodedVideo(media::MatroskaWithChapters(), Output());
}

}  // namespace
}  // namespace e2e
