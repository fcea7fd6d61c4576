// The demux step's eac3to command line and the files it names, for every
// kind of job that needs it.

#include "engine/demux_step.h"

#include "engine_fixture.h"
#include "platform/fixed_text.h"
#include "shell/app.h"

namespace {

using platform::CopyFixed;

class DemuxCommand : public test::EngineTest {
 protected:
  DemuxPlan Plan(const Job& job, int slot = 0) {
    Put(slot, job);
    JobRun run(app(), slot);
    return PlanDemux(app(), run);
  }
  std::string Eac3to() { return "\"" + Tool("eac3to/eac3to") + "\""; }
  std::string Q(const std::string& name) { return "\"" + Temp(name) + "\""; }
  Job Base() { return test::Bd25Job("Movie", "/media/BD/BDMV/STREAM/00800.m2ts", "/home/u/AVCHD/Movie"); }
};

TEST_F(DemuxCommand, JoinedPlaylistOfABluRayFolderTakesVideoAudioAndSubtitlesFromThatTitle) {
  Job job = Base();
  job.joinPlaylist = 3;
  job.bdTitleNo = 5;
  job.videoTrackNo = 2;
  job.audioTrackNo = 3;
  job.subTrackNo = 5;
  job.subMode = 1;
  CopyFixed(job.audioCodecId, "A_DTS");
  CopyFixed(job.sourceBdFolder, "/media/BD");
  const DemuxPlan plan = Plan(job);
  EXPECT_EQ(plan.commandLine, Eac3to() + " \"/media/BD\" 3) 2: " + Q("Movie.job_0.mkv") + " 3: " + Q("Movie.job_0.dts") +
                                  " 5: " + Q("Movie.job_0.sup") + " -progressnumbers -log=" +
                                  Q("Movie.job_0.eac3to_log.txt"));
  EXPECT_EQ(plan.label, "[STEP 1/4 - EAC3TO PROCESS] Join m2ts parts, extract audio and subtitles...");
}

TEST_F(DemuxCommand, ABluRayTitleOfNumberZeroIsTitleOne) {
  Job job = Base();
  job.audioTarget = 448;
  CopyFixed(job.sourceBdFolder, "/media/BD");
  EXPECT_EQ(Plan(job, 7).commandLine, Eac3to() + " \"/media/BD\" 1) 2: " + Q("Movie.job_7.ac3") +
                                          " -448 -progressnumbers -log=" + Q("Movie.job_7.eac3to_log.txt"));
  job.bdTitleNo = 4;
  EXPECT_NE(Plan(job, 7).commandLine.find("\"/media/BD\" 4) 2:"), std::string::npos);
}

TEST_F(DemuxCommand, CopiedVideoForMatroskaIsExtractedByCodecWithTheDtsCore) {
  Job job = Base();
  job.media = 6;
  job.videoCopy = 1;
  job.audioCoreOnly = 1;
  CopyFixed(job.videoCodec, "VC-1");
  CopyFixed(job.audioCodecId, "A_DTS");
  CopyFixed(job.sourceFile, "/v/film.m2ts");
  const DemuxPlan plan = Plan(job, 2);
  EXPECT_EQ(plan.commandLine, Eac3to() + " \"/v/film.m2ts\" 1: " + Q("Movie.job_2.vc1") + " 2: " + Q("Movie.job_2.dts") +
                                  " -core -progressnumbers -log=" + Q("Movie.job_2.eac3to_log.txt"));
  EXPECT_EQ(plan.label, "[STEP 1/2 - EAC3TO PROCESS] Extract video and audio...");
}

TEST_F(DemuxCommand, CopiedMpegVideoGetsM2vAndAnUnknownCodecNoSuffix) {
  Job job = Base();
  job.media = 6;
  job.videoCopy = 1;
  CopyFixed(job.videoCodec, "MPEG Video");
  EXPECT_EQ(Plan(job).video, std::vector<std::string>{Temp("Movie.job_0.m2v")});
  CopyFixed(job.videoCodec, "HEVC");
  EXPECT_EQ(Plan(job).video, std::vector<std::string>{Temp("Movie.job_0")});
}

TEST_F(DemuxCommand, ThreeDTakesBothViewsAndRecodesAudioWithTheLibavDecoder) {
  app().settings.UseArcsoft = 0;
  Job job = Base();
  job.mode3d = 1;
  job.videoTrackNo = 2;
  job.audioTrackNo = 4;
  job.audioTarget = 640;
  job.audioDown16 = 1;
  job.subMode = 1;
  CopyFixed(job.sourceBdFolder, "/media/BD");
  const DemuxPlan plan = Plan(job);
  EXPECT_EQ(plan.commandLine, Eac3to() + " \"/media/BD\" 1) 2: " + Q("Movie.job_0.mkv") + " 2: " +
                                  Q("Movie.job_0.left.h264") + " 3: " + Q("Movie.job_0.right.h264") + " 4: " +
                                  Q("Movie.job_0.ac3") + " -640 -down16 -libav 3: " + Q("Movie.job_0.sup") +
                                  " -progressnumbers -log=" + Q("Movie.job_0.eac3to_log.txt"));
  EXPECT_EQ(plan.label, "[STEP 1/4 - EAC3TO PROCESS] Extract left/right eye raw video, audio and subs...");
}

TEST_F(DemuxCommand, AThreeDJobWithItsVideoExtractedTakesOnlyTheMissingViews) {
  Job job = Base();
  job.mode3d = 2;
  job.videoTrackNo = 2;
  test::WriteFile(Temp("Movie.job_0.mkv"), "video");
  test::WriteFile(Temp("Movie.job_0.left.h264"), "left");
  const DemuxPlan plan = Plan(job);
  EXPECT_EQ(plan.commandLine, Eac3to() + " \"" + platform::FixedText(job.sourceFile) + "\" 3: " +
                                  Q("Movie.job_0.right.h264") + " -progressnumbers -log=" + Q("Movie.job_0.eac3to_log.txt"));
  EXPECT_EQ(plan.label, "[STEP 1/4 - EAC3TO PROCESS] Extract left/right eye raw video...");
}

TEST_F(DemuxCommand, FlacForMatroskaWithForcedCaptionsOnly) {
  Job job = Base();
  job.media = 6;
  job.audioTarget = 2;
  job.audioDown6 = 1;
  job.subMode = 3;
  CopyFixed(job.audioCodecId, "A_LPCM");
  const DemuxPlan plan = Plan(job);
  EXPECT_EQ(plan.commandLine, Eac3to() + " \"/media/BD/BDMV/STREAM/00800.m2ts\" 2: " + Q("Movie.job_0.flac") +
                                  " -down6 3: " + Q("Movie.job_0.sup") + " -progressnumbers -log=" +
                                  Q("Movie.job_0.eac3to_log.txt"));
  EXPECT_EQ(plan.label, "[STEP 1/3 - EAC3TO PROCESS] Recode audio to FLAC and extract forced captions...");
}

TEST_F(DemuxCommand, KeptHdAudioOfAMatroskaSourceKeepsItsDialnormAndNeverLosesItsExtension) {
  Job job = Base();
  job.sourceIsMkv = 1;
  job.audioKeepHd = 1;
  job.audioCoreOnly = 1;
  job.media = 6;
  job.subMode = 2;
  CopyFixed(job.subCodecId, "S_TEXT/UTF8");
  const DemuxPlan plan = Plan(job);
  EXPECT_EQ(plan.commandLine, Eac3to() + " \"/media/BD/BDMV/STREAM/00800.m2ts\" 2: " + Q("Movie.job_0.thd+ac3") +
                                  " -keepDialnorm 3: " + Q("Movie.job_0.srt") + " -progressnumbers -log=" +
                                  Q("Movie.job_0.eac3to_log.txt"));
  EXPECT_EQ(plan.label, "[STEP 1/3 - EAC3TO PROCESS] Extract audio and subtitles...");
}

TEST_F(DemuxCommand, KeptDtsHdAndPcmTracks) {
  Job job = Base();
  job.sourceIsMkv = 1;
  job.audioKeepHd = 1;
  CopyFixed(job.audioCodecId, "A_DTS");
  EXPECT_EQ(Plan(job).audio, Temp("Movie.job_0.dtshd"));
  CopyFixed(job.audioCodecId, "A_LPCM");
  EXPECT_EQ(Plan(job).audio, Temp("Movie.job_0.pcm"));
}

TEST_F(DemuxCommand, DebugModeLeavesOutTheProgressNumbers) {
  app().switches.debugMode = 1;
  Job job = Base();
  job.audioTarget = 640;
  EXPECT_EQ(Plan(job).commandLine, Eac3to() + " \"/media/BD/BDMV/STREAM/00800.m2ts\" 2: " + Q("Movie.job_0.ac3") +
                                       " -640 -log=" + Q("Movie.job_0.eac3to_log.txt"));
}

TEST_F(DemuxCommand, NothingIsLeftToExtractWhenEveryFileExists) {
  Job job = Base();
  job.joinPlaylist = 1;
  job.subMode = 1;
  for (const char* suffix : {".mkv", ".ac3", ".sup"}) test::WriteFile(Temp(std::string("Movie.job_0") + suffix), "x");
  const DemuxPlan plan = Plan(job);
  EXPECT_EQ(plan.commandLine, "");
  EXPECT_FALSE(plan.parts.video || plan.parts.audio || plan.parts.subtitle);
}

}  // namespace
