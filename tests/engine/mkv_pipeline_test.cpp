// Matroska jobs carried through their steps against the fake tools: the
// forced captions, BDSup2Sub, mkvmerge and their judging.

#include <filesystem>

#include "engine_fixture.h"
#include "pgs_stream.h"
#include "platform/fixed_text.h"
#include "queue/queue_control.h"
#include "shell/app.h"
#include "tools/command_line.h"

namespace {

using platform::CopyFixed;
namespace fs = std::filesystem;
namespace pgs = test::pgs;

class MkvPipeline : public test::EngineTest {
 protected:
  // A copied-video Matroska job with forced PGS captions only.
  Job& QueueMkv(int slot, const std::string& name) {
    Job& job = Queue(slot, name);
    job.media = 6;
    job.videoCopy = 1;
    job.subMode = 3;
    CopyFixed(job.subLang, "eng");
    CopyFixed(job.outputPath, Scratch(name + ".mkv"));
    return job;
  }
};

TEST_F(MkvPipeline, ForcedCaptionsGoFromTheDemuxedTrackIntoTheMatroskaFile) {
  Job& job = QueueMkv(0, "Movie");
  CopyFixed(job.chapters, "00:00:00.000;00:10:00.000");
  // The subtitle track is already out; eac3to extracts the rest.
  test::WriteFile(Temp("Movie.job_0.sup"), pgs::DisplaySet(true, true) + pgs::DisplaySet(true, false, 90000));
  StartQueue();
  ASSERT_EQ(ToolsRun(), (std::vector<std::string>{"eac3to", "mkvmerge"}));
  EXPECT_EQ(Args(0), tools::SplitCommandLine("\"" + Tool("eac3to/eac3to") + "\" \"" + source + "\" 1: \"" +
                                             Temp("Movie.job_0.h264") + "\" 2: \"" + Temp("Movie.job_0.ac3") +
                                             "\" -keepDialnorm -progressnumbers -log=\"" +
                                             Temp("Movie.job_0.eac3to_log.txt") + "\""));
  const std::vector<std::string> mkvmerge = Args(1);
  EXPECT_TRUE(Has(mkvmerge, "-o", Scratch("Movie.mkv")));
  EXPECT_TRUE(Has(mkvmerge, "-d", "0") && Has(mkvmerge, "--no-chapters", Temp("Movie.job_0.h264")));
  EXPECT_TRUE(Has(mkvmerge, "--no-chapters", Temp("Movie.job_0.ac3")));
  EXPECT_TRUE(Has(mkvmerge, "--track-name", "0:English Forced") && Has(mkvmerge, "--forced-track", "0:yes"));
  EXPECT_TRUE(Has(mkvmerge, "--no-chapters", Temp("Movie.job_0.forced.sup")));
  EXPECT_TRUE(Has(mkvmerge, "--chapters", Temp("Movie.job_0.chapters.txt")));
  EXPECT_EQ(LoadState(job), JobFinished);
  EXPECT_EQ(BarLabel(), "Done!");
  EXPECT_EQ(StatusLine(), "");
  EXPECT_EQ(test::ReadFile(Scratch("Movie.mkv")), "matroska");
  EXPECT_EQ(ErrorLog(), "");
  for (const char* gone : {"Movie.job_0.h264", "Movie.job_0.ac3", "Movie.job_0.sup", "Movie.job_0.forced.sup",
                           "Movie.job_0.chapters.txt", "Movie.job_0.eac3to_log.txt"})
    EXPECT_FALSE(fs::exists(Temp(gone))) << gone;
}

TEST_F(MkvPipeline, AnUnreadableSubtitleTrackFailsTheJobAndTheQueueGoesOn) {
  QueueMkv(0, "Movie");
  QueueMkv(1, "Next");
  fs::create_directories(Temp("Movie.job_0.sup"));
  StartQueue();
  EXPECT_EQ(ToolsRun(), (std::vector<std::string>{"eac3to", "eac3to", "mkvmerge"}));
  EXPECT_EQ(LoadState(job(0)), JobFailed);
  EXPECT_EQ(LoadState(job(1)), JobFinished);
  EXPECT_NE(ErrorLog().find("  LAST CMD LINE => (forced captions) cannot read " + Temp("Movie.job_0.sup") +
                            ": Is a directory\n  EXIT CODE     => 1\n"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(Temp("Movie.job_0.forced.sup")));
}

TEST_F(MkvPipeline, MkvmergeWarningsFailTheJobAndItsOutputIsDeleted) {
  Job& job = QueueMkv(0, "Movie");
  job.subMode = 0;
  job.videoCopy = 0;
  CopyFixed(job.chapters, "00:00:00.000;00:10:00.000");
  fakes.Set("MKVMERGE_EXIT", "1");
  StartQueue();
  ASSERT_EQ(ToolsRun(), (std::vector<std::string>{"eac3to", "x264", "mkvmerge"}));
  EXPECT_EQ(LoadState(job), JobFailed);
  EXPECT_FALSE(fs::exists(Scratch("Movie.mkv")));
  EXPECT_NE(ErrorLog().find("  LAST CMD LINE => \"" + Tool("mkvtoolnix/mkvmerge") + "\" -o \"" +
                            Scratch("Movie.mkv") + "\"  \"--forced-track\" \"0:no\""),
            std::string::npos);
  EXPECT_NE(ErrorLog().find("\n  EXIT CODE     => 1\n"), std::string::npos);
  EXPECT_EQ(test::ReadFile(Temp("Movie.job_0.chapters.txt")),
            "CHAPTER01=00:00:00.000\r\nCHAPTER01NAME=1\r\nCHAPTER02=00:10:00.000\r\nCHAPTER02NAME=2\r\n");
}

TEST_F(MkvPipeline, CroppedSubtitlesGoThroughBdSup2SubWhoseExitCodeIsNotRead) {
  Job& job = QueueMkv(0, "Movie");
  job.subMode = 1;
  job.cropHeight = 800;
  fakes.Set("JAVA_EXIT", "3");
  StartQueue();
  ASSERT_EQ(ToolsRun(), (std::vector<std::string>{"eac3to", "java", "mkvmerge"}));
  EXPECT_EQ(Args(1), tools::SplitCommandLine("\"" + fakes.ToolPath("bin/java") + "\" -Xmx256m -jar \"" +
                                             Tool("bdsup2sub/bdsup2sub400.jar") + "\" \"" + Temp("Movie.job_0.sup") +
                                             "\" \"" + Temp("Movie.job_0.resized.sup") + "\" /fps:keep /cropy:140"));
  EXPECT_TRUE(Has(Args(2), "--track-name", "0:English") && Has(Args(2), "--forced-track", "0:no"));
  EXPECT_TRUE(Has(Args(2), "--no-chapters", Temp("Movie.job_0.resized.sup")));
  EXPECT_EQ(LoadState(job), JobFinished);
  EXPECT_EQ(ErrorLog(), "");
  EXPECT_FALSE(fs::exists(Temp("Movie.job_0.resized.sup")));
}

TEST_F(MkvPipeline, AStopDuringBdSup2SubDeletesItsPartialFileAndTheJobResumesThere) {
  Job& job = QueueMkv(0, "Movie");
  job.subMode = 1;
  job.resize720 = 2;
  fakes.Set("JAVA_SLEEP", "30");
  StartNextJob(app());
  WaitForRuns(2);
  WaitForFile(Temp("Movie.job_0.resized.sup"));
  StopRunningJob(app());
  WaitIdle();
  EXPECT_EQ(LoadState(job), JobStopped);
  EXPECT_FALSE(fs::exists(Temp("Movie.job_0.resized.sup")));
  EXPECT_TRUE(fs::exists(Temp("Movie.job_0.sup")));
  EXPECT_EQ(ErrorLog(), "");

  fakes.Set("JAVA_SLEEP", "0");
  StartQueue();
  EXPECT_EQ(ToolsRun(), (std::vector<std::string>{"eac3to", "java", "java", "mkvmerge"}));
  EXPECT_EQ(LoadState(job), JobFinished);
}

TEST_F(MkvPipeline, ACancelDuringBdSup2SubRemovesTheTemporaryFiles) {
  QueueMkv(0, "Movie");
  test::WriteFile(Temp("Movie.job_0.sup"), pgs::DisplaySet(true, true));
  job(0).cropHeight = 800;
  fakes.Set("JAVA_SLEEP", "30");
  StartNextJob(app());
  WaitForFile(Temp("Movie.job_0.resized.sup"));
  CancelRunningJob(app());
  WaitIdle();
  EXPECT_EQ(LoadState(job(0)), JobCanceled);
  for (const char* gone : {"Movie.job_0.resized.sup", "Movie.job_0.forced.sup", "Movie.job_0.sup",
                           "Movie.job_0.h264", "Movie.job_0.ac3"})
    EXPECT_FALSE(fs::exists(Temp(gone))) << gone;
}

}  // namespace
