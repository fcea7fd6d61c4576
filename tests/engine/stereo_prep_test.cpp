// Preparing a 3D job: the frame count from the demux log, the decoder
// configuration (always rewritten) and the script (written once).

#include "engine/stereo_prep.h"

#include "engine_fixture.h"
#include "platform/fixed_text.h"
#include "shell/app.h"

namespace {

using platform::CopyFixed;

class StereoPrep : public test::EngineTest {
 protected:
  StereoPrep() {
    Job job = test::Bd25Job("Film", "/media/film.m2ts", "/home/u/AVCHD/Film");
    job.mode3d = 1;
    Put(2, job);
  }
  std::string Program(const std::string& relative) { return std::string(QUANDRELL_TEST_PROGRAM_DIR) + "/" + relative; }
};

TEST_F(StereoPrep, TheFrameCountComesFromTheFirstVideoTrackLineThatHasOne) {
  const std::string log = Temp("Film.job_2.eac3to_log.txt");
  test::WriteFile(log, "eac3to v3.34\nVideo track 1 is 1080p\nAudio track 2 contains 9 frames.\n"
                       "Video track 1 contains 2496 frames.\nVideo track 2 contains 7 frames.\n");
  EXPECT_EQ(FrameCountFromLog(log), 2496);
  EXPECT_EQ(FrameCountFromLog(Temp("missing.txt")), -1);
  // Counts no film has are not taken: the job keeps its own.
  for (const char* count : {"0", "-5", "10000001", "1152921504606846976"}) {
    test::WriteFile(log, std::string("Video track 1 contains ") + count + " frames.\n");
    EXPECT_EQ(FrameCountFromLog(log), -1) << count;
  }
}

TEST_F(StereoPrep, TheScriptStacksTheHalvesWithTheSubtitlesBurnedIn) {
  job(2).subMode = 3;
  JobRun run(app(), 2);
  PrepareStereo(run);
  const std::string video = "\"" + Temp("Film.job_2.mkv") + "\", cachefile=\"" + Temp("Film.job_2.index") + "\"";
  const std::string subtitles = ".SupTitle(\"" + Temp("Film.job_2.sup") + "\", forcedOnly=true, swapCbCr=false, relocate=false)";
  EXPECT_EQ(test::ReadFile(Temp("script.job_2.avs")),
            "LoadPlugin(\"" + Program("H264StereoSource/ffms2.dll") + "\")\nLoadPlugin(\"" +
                Program("H264StereoSource/H264StereoSource.dll") + "\")\nLoadPlugin(\"" + Program("SupTitle/SupTitle.dll") +
                "\")\nFFIndex(" + video + ", indexmask=0, demuxer=\"lavf\")\nvideo_l = FFVideoSource(" + video +
                ", seekmode=0).AssumeFPS(24000,1001)" + subtitles + "\nvideo_r = H264StereoSource(\"" +
                Temp("config.job_2.cfg") + "\", 1000).AssumeFPS(24000,1001)" + subtitles +
                "\nreturn StackHorizontal(HorizontalReduceBy2(video_l), HorizontalReduceBy2(video_r))\n");
  EXPECT_EQ(test::ReadFile(Temp("config.job_2.cfg")),
            "InputFile = \"" + Temp("Film.job_2.left.h264") + "\"\nInputFile2 = \"" + Temp("Film.job_2.right.h264") +
                "\"\nFileFormat = 0\nPOCScale = 1\nDisplayDecParams = 1\nConcealMode = 0\nRefPOCGap = 2\nPOCGap = 2\n"
                "IntraProfileDeblocking = 1\nDecFrmNum = 0\n");
}

TEST_F(StereoPrep, ReversedHalvesTextSubtitlesAndNoSubtitles) {
  job(2).mode3d = 2;
  job(2).subMode = 1;
  CopyFixed(job(2).subCodecId, "S_TEXT/UTF8");
  JobRun run(app(), 2);
  const std::string script = ScriptText(app(), run);
  EXPECT_NE(script.find("StackHorizontal(HorizontalReduceBy2(video_r), HorizontalReduceBy2(video_l))"), std::string::npos);
  EXPECT_NE(script.find(".SupTitle(\"" + Temp("Film.job_2.srt") + "\", forcedOnly=false,"), std::string::npos);
  job(2).subMode = 0;
  EXPECT_EQ(ScriptText(app(), run).find("SupTitle"), std::string::npos);
}

TEST_F(StereoPrep, AnExistingScriptStaysAndTheConfigurationIsRewritten) {
  test::WriteFile(Temp("script.job_2.avs"), "edited by hand");
  test::WriteFile(Temp("config.job_2.cfg"), "stale");
  JobRun run(app(), 2);
  PrepareStereo(run);
  EXPECT_EQ(test::ReadFile(Temp("script.job_2.avs")), "edited by hand");
  EXPECT_EQ(test::ReadFile(Temp("config.job_2.cfg")).rfind("InputFile = ", 0), 0u);
}

}  // namespace
