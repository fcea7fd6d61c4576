// The six x264 command lines and the values they are built from.

#include "engine/x264_command.h"

#include "engine/x264_settings.h"
#include "engine_fixture.h"
#include "platform/fixed_text.h"
#include "shell/app.h"

namespace {

using platform::CopyFixed;

class X264Command : public test::EngineTest {
 protected:
  X264Command() {
    job_ = test::Bd25Job("Movie", "/media/film.m2ts", "/home/u/AVCHD/Movie");
    CopyFixed(job_.x264ExtraOptions, "--aq-mode 2");
  }
  std::string Line(X264Pass pass, int slot = 4) {
    Put(slot, job_);
    JobRun run(app(), slot);
    return X264CommandLine(app(), run, pass);
  }
  std::string Q(const std::string& name) { return "\"" + Temp(name) + "\""; }
  std::string X264() { return "\"" + Tool("x264/x264") + "\""; }
  const std::string colour = " --colorprim \"bt709\" --transfer \"bt709\" --colormatrix \"bt709\" --sar 1:1";
  Job job_;
};

TEST_F(X264Command, TwoPassesForBd25) {
  app().settings.NoWeightp = 1;
  CopyFixed(job_.x264VideoFilter, " --vf resize:1280,720");
  job_.x264UseLavf = 1;
  CopyFixed(job_.x264Interlace, " --tff");
  const std::string head = X264() + " --preset \"medium\" --tune \"film\" --bluray-compat --level \"4.1\" --vbv-bufsize 30000"
                                    " --vbv-maxrate 40000 --bitrate 18000 --stats " + Q("Movie.job_4.stats") + " --index " +
                           Q("Movie.job_4.index") + " --fps \"24000/1001\" --force-cfr --tff --keyint 24 --weightp 0"
                           " --open-gop --slices 4 --aq-mode 2" + colour + " --vf resize:1280,720 --demuxer \"lavf\"";
  EXPECT_EQ(Line(X264Pass::First), head + " --pass 1 -o /dev/null \"/media/film.m2ts\"");
  EXPECT_EQ(Line(X264Pass::Second), head + " --pass 2 -o " + Q("Movie.job_4.264") + " \"/media/film.m2ts\"");
}

TEST_F(X264Command, AJoinedPlaylistIsReadFromTheDemuxedVideo) {
  job_.joinPlaylist = 2;
  CopyFixed(job_.x264Tune, "none");
  EXPECT_EQ(Line(X264Pass::First, 0), X264() + " --preset \"medium\" --bluray-compat --level \"4.1\" --vbv-bufsize 30000"
                                                " --vbv-maxrate 40000 --bitrate 18000 --stats " + Q("Movie.job_0.stats") +
                                          " --index " + Q("Movie.job_0.index") +
                                          " --fps \"24000/1001\" --force-cfr --keyint 24 --open-gop --slices 4 --aq-mode 2" +
                                          colour + " --pass 1 -o /dev/null " + Q("Movie.job_0.mkv"));
}

TEST_F(X264Command, ConstantQualityForMatroska) {
  job_.media = 6;
  job_.videoBitrate = 20;
  CopyFixed(job_.fpsDecimal, "25");
  CopyFixed(job_.fpsRational, "25/1");
  EXPECT_EQ(Line(X264Pass::ConstantQuality),
            X264() + " --preset \"medium\" --tune \"film\" --level \"4.1\" --crf 20 --index " + Q("Movie.job_4.index") +
                " --fps \"25/1\" --force-cfr --keyint 250 --open-gop --aq-mode 2" + colour + " -o " + Q("Movie.job_4.264") +
                " \"/media/film.m2ts\"");
}

TEST_F(X264Command, ThreeDGoesThroughTheScriptWithFiftyFramesLess) {
  job_.mode3d = 1;
  job_.media = 0;
  job_.videoBitrate = 9000;
  const std::string head = X264() + " --preset \"medium\" --tune \"film\" --bluray-compat --level \"4.1\" --vbv-bufsize 24000"
                                    " --vbv-maxrate 24000 --bitrate 9000 --stats " + Q("Movie.job_4.stats") +
                           " --keyint 24 --open-gop --slices 4 --frame-packing 3 --frames 950 --aq-mode 2" + colour;
  EXPECT_EQ(Line(X264Pass::First), head + " --pass 1 -o /dev/null " + Q("script.job_4.avs"));
  EXPECT_EQ(Line(X264Pass::Second), head + " --pass 2 -o " + Q("Movie.job_4.264") + " " + Q("script.job_4.avs"));
  job_.media = 6;
  job_.videoBitrate = 18;
  EXPECT_EQ(Line(X264Pass::ConstantQuality),
            X264() + " --preset \"medium\" --tune \"film\" --level \"4.1\" --crf 18 --keyint 240 --open-gop"
                     " --frame-packing 3 --frames 950 --aq-mode 2" + colour + " -o " + Q("Movie.job_4.264") + " " +
                Q("script.job_4.avs"));
}

TEST(X264Settings, GopLengthFollowsTheFrameRate) {
  const std::pair<const char*, int> rates[] = {{"23.976", 24}, {"24", 24}, {"25", 25}, {"29.970", 30},
                                               {"50", 50},     {"59.940", 60}, {"", 24}};
  for (auto [fps, gop] : rates) {
    Job job{};
    platform::CopyFixed(job.fpsDecimal, fps);
    EXPECT_EQ(GopLength(job), gop) << fps;
  }
}

TEST(X264Settings, DiscMediaAndSmallCustomSizesGetTheTighterBuffer) {
  Job job{};
  for (int media : {0, 1, 2}) {
    job.media = media;
    EXPECT_EQ(VbvFor(job).bufferSize, 24000);
  }
  job.media = 5;
  job.videoBitrate = 9999;
  EXPECT_EQ(VbvFor(job).maxRate, 24000);
  job.videoBitrate = 10000;
  EXPECT_EQ(VbvFor(job).bufferSize, 30000);
  EXPECT_EQ(VbvFor(job).maxRate, 40000);
  job.media = 4;
  EXPECT_EQ(VbvFor(job).maxRate, 40000);
}

}  // namespace
