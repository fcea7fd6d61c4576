// A queued job carried through its steps against the fake tools: the
// order of the tools, the skip rules, the judging of every run.

#include <filesystem>

#include "engine_fixture.h"
#include "platform/fixed_text.h"
#include "shell/app.h"
#include "tools/command_line.h"

namespace {

using platform::CopyFixed;
namespace fs = std::filesystem;

class Pipeline : public test::EngineTest {};

TEST_F(Pipeline, ATwoPassJobRunsBothPassesThenTsMuxerAndEndsDone) {
  Queue(0, "Movie");
  StartQueue();
  ASSERT_EQ(ToolsRun(), (std::vector<std::string>{"x264", "x264", "tsMuxeR"}));
  EXPECT_TRUE(Has(Args(0), "--pass", "1") && Has(Args(0), "-o", "/dev/null"));
  EXPECT_TRUE(Has(Args(1), "--pass", "2") && Has(Args(1), "-o", Temp("Movie.job_0.264")));
  EXPECT_EQ(Args(2), (std::vector<std::string>{Tool("tsmuxer/tsMuxeR"), Temp("temp.job_0.meta"), Scratch("Movie")}));
  EXPECT_EQ(LoadState(job(0)), JobFinished);
  EXPECT_EQ(BarValue(), 1000);
  EXPECT_EQ(BarLabel(), "Done!");
  EXPECT_EQ(StatusLine(), "");
  EXPECT_EQ(app().runningJob, -1);
  EXPECT_EQ(taskbar->Events().back(), "state 0") << "no progress once the queue has run dry";
  for (const char* gone : {"Movie.job_0.stats", "Movie.job_0.stats.mbtree", "Movie.job_0.264", "temp.job_0.meta"})
    EXPECT_FALSE(fs::exists(Temp(gone))) << gone;
  EXPECT_EQ(test::ReadFile(Scratch("Movie/BDMV/MovieObject.bdmv")).size(), 290u);  // tsMuxeR's own
  EXPECT_TRUE(sound->Played().empty());
  EXPECT_EQ(ErrorLog(), "");
}

TEST_F(Pipeline, StatisticsThatExistSkipTheFirstPass) {
  Queue(0, "Movie");
  test::WriteFile(Temp("Movie.job_0.stats"), "stats");
  StartQueue();
  ASSERT_EQ(ToolsRun(), (std::vector<std::string>{"x264", "tsMuxeR"}));
  EXPECT_TRUE(Has(Args(0), "--pass", "2"));
}

TEST_F(Pipeline, StatisticsAndStreamThatExistGoStraightToMuxing) {
  Queue(0, "Movie");
  test::WriteFile(Temp("Movie.job_0.stats"), "stats");
  test::WriteFile(Temp("Movie.job_0.264"), "stream");
  StartQueue();
  EXPECT_EQ(ToolsRun(), (std::vector<std::string>{"tsMuxeR"}));
  EXPECT_EQ(LoadState(job(0)), JobFinished);
}

TEST_F(Pipeline, AStreamWithoutStatisticsRunsTheFirstPassAndSkipsTheSecond) {
  Queue(0, "Movie");
  test::WriteFile(Temp("Movie.job_0.264"), "stream");
  StartQueue();
  ASSERT_EQ(ToolsRun(), (std::vector<std::string>{"x264", "tsMuxeR"}));
  EXPECT_TRUE(Has(Args(0), "--pass", "1"));
}

TEST_F(Pipeline, DemuxedFilesThatExistSkipEac3to) {
  Job& job = Queue(0, "Movie");
  job.joinPlaylist = 2;
  CopyFixed(job.sourceBdFolder, Scratch("BD"));
  test::WriteFile(Temp("Movie.job_0.mkv"), "joined");
  test::WriteFile(Temp("Movie.job_0.ac3"), "audio");
  StartQueue();
  ASSERT_EQ(ToolsRun(), (std::vector<std::string>{"x264", "x264", "tsMuxeR"}));
  EXPECT_EQ(Args(0).back(), Temp("Movie.job_0.mkv"));
  EXPECT_EQ(LoadState(job), JobFinished);
}

TEST_F(Pipeline, AThreeDJobIsDemuxedIndexedAndEncodedThroughItsScript) {
  Job& job = Queue(0, "Film");
  job.mode3d = 1;
  job.videoTrackNo = 2;
  fakes.Set("EAC3TO_FRAMES", "2000");
  StartQueue();
  ASSERT_EQ(ToolsRun(), (std::vector<std::string>{"eac3to", "x264", "x264", "tsMuxeR"}));
  EXPECT_EQ(Args(0), tools::SplitCommandLine("\"" + Tool("eac3to/eac3to") + "\" \"" + source + "\" 2: \"" +
                                             Temp("Film.job_0.mkv") + "\" 2: \"" + Temp("Film.job_0.left.h264") +
                                             "\" 3: \"" + Temp("Film.job_0.right.h264") + "\" -progressnumbers -log=\"" +
                                             Temp("Film.job_0.eac3to_log.txt") + "\""));
  EXPECT_TRUE(Has(Args(1), "--frames", "1950"));
  EXPECT_EQ(Args(1).back(), Temp("script.job_0.avs"));
  EXPECT_EQ(job.frameCount, 2000);
  EXPECT_EQ(LoadState(job), JobFinished);
  for (const char* gone : {"Film.job_0.left.h264", "Film.job_0.right.h264", "script.job_0.avs", "config.job_0.cfg",
                           "Film.job_0.mkv", "Film.job_0.eac3to_log.txt"})
    EXPECT_FALSE(fs::exists(Temp(gone))) << gone;
}

TEST_F(Pipeline, SubtitlesShownByDefaultGetTheReplacementMovieObject) {
  Job& job = Queue(0, "Movie");
  job.subMode = 2;
  StartQueue();
  EXPECT_EQ(test::ReadFile(Scratch("Movie/BDMV/MovieObject.bdmv")).size(), 302u);
  EXPECT_EQ(test::ReadFile(Scratch("Movie/BDMV/BACKUP/MovieObject.bdmv")).size(), 302u);
}

TEST_F(Pipeline, TheFinishSoundPlaysWhenAsked) {
  Queue(0, "Movie");
  app().switches.playSoundWhenDone = 1;
  StartQueue();
  EXPECT_EQ(sound->Played(), std::vector<std::string>{platform::FixedText(app().settings.SoundPath)});
}

TEST_F(Pipeline, AFailedPassIsLoggedOnceAndTheQueueGoesOn) {
  Queue(0, "First");
  Queue(1, "Second");
  fakes.Set("X264_EXIT", "3");
  fakes.Set("X264_WHEN", "First.job_0.264");  // the second pass of the first job only
  StartQueue();
  EXPECT_EQ(ToolsRun(), (std::vector<std::string>{"x264", "x264", "x264", "x264", "tsMuxeR"}));
  EXPECT_EQ(LoadState(job(0)), JobFailed);
  EXPECT_EQ(LoadState(job(1)), JobFinished);
  const std::string log = ErrorLog();
  EXPECT_EQ(log.find("-["), 0u);
  EXPECT_EQ(log.rfind("-["), 0u) << "one entry";
  EXPECT_NE(log.find("  LAST CMD LINE => \"" + Tool("x264/x264") + "\" --preset \"medium\""), std::string::npos);
  EXPECT_NE(log.find("--pass 2 -o \"" + Temp("First.job_0.264") + "\" \"" + source + "\"\n  EXIT CODE     => 3\n"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(Temp("First.job_0.264")));
  EXPECT_TRUE(fs::exists(Temp("First.job_0.stats")));
}

TEST_F(Pipeline, TwoFailedJobsGiveTwoEntries) {
  Queue(0, "First");
  Queue(1, "Second");
  fakes.Set("TSMUXER_EXIT", "1");
  StartQueue();
  const std::string log = ErrorLog();
  const std::string closing = std::string(104, '-') + "\n\n";
  EXPECT_EQ(log.size() - log.rfind(closing), closing.size());
  EXPECT_NE(log.find(closing), log.rfind(closing));
  EXPECT_EQ(LoadState(job(1)), JobFailed);
}

TEST_F(Pipeline, AFailedDemuxRemovesWhatItWasExtracting) {
  Job& job = Queue(0, "Movie");
  job.audioTarget = 640;
  job.subMode = 3;
  fakes.Set("EAC3TO_EXIT", "2");
  StartQueue();
  EXPECT_EQ(ToolsRun(), std::vector<std::string>{"eac3to"});
  EXPECT_FALSE(fs::exists(Temp("Movie.job_0.ac3")));
  EXPECT_FALSE(fs::exists(Temp("Movie.job_0.sup")));
  EXPECT_NE(ErrorLog().find("  EXIT CODE     => 2\n"), std::string::npos);
  EXPECT_EQ(LoadState(job), JobFailed);
}

TEST_F(Pipeline, AFailedMuxLeavesTheUsersOwnFolderAndTheirFiles) {
  Queue(0, "Movie");
  fs::create_directories(Scratch("Movie"));
  test::WriteFile(Scratch("Movie/holiday.jpg"), "mine");
  fakes.Set("TSMUXER_EXIT", "1");
  StartQueue();
  EXPECT_EQ(LoadState(job(0)), JobFailed);
  EXPECT_EQ(test::ReadFile(Scratch("Movie/holiday.jpg")), "mine");
  EXPECT_FALSE(fs::exists(Scratch("Movie/BDMV")));
  EXPECT_FALSE(fs::exists(Scratch("Movie/CERTIFICATE")));
}

TEST_F(Pipeline, AFailedMuxRemovesTheFolderItCreated) {
  Queue(0, "Movie");
  fakes.Set("TSMUXER_EXIT", "1");
  StartQueue();
  EXPECT_FALSE(fs::exists(Scratch("Movie")));
  EXPECT_TRUE(fs::exists(Scratch("00800.m2ts")));
}

TEST_F(Pipeline, AToolThatCannotStartFailsTheJobAndTheLogNamesItsCommandLine) {
  Queue(0, "Movie");
  test::WriteFile(Temp("Movie.job_0.stats"), "stats");
  test::WriteFile(Temp("Movie.job_0.264"), "stream");
  fs::remove(Tool("tsmuxer/tsMuxeR"));
  StartQueue();
  EXPECT_EQ(LoadState(job(0)), JobFailed);
  EXPECT_NE(ErrorLog().find("  LAST CMD LINE => \"" + Tool("tsmuxer/tsMuxeR") + "\" \"" + Temp("temp.job_0.meta") +
                            "\" \"" + Scratch("Movie") + "\"\n  EXIT CODE     => 127\n"),
            std::string::npos);
}

TEST_F(Pipeline, APathWithADoubleQuoteIsRefusedBeforeAnyToolRuns) {
  Job& job = Queue(0, "Movie");
  CopyFixed(job.outputPath, Scratch("Mo\"vie"));
  StartQueue();
  EXPECT_TRUE(fakes.Runs().empty());
  EXPECT_EQ(LoadState(job), JobFailed);
  EXPECT_NE(ErrorLog().find("double quote in the path " + Scratch("Mo\"vie")), std::string::npos);
}

}  // namespace
