// Removing a job's temporary files, group by group, and the error log.

#include "engine/temp_files.h"

#include <filesystem>

#include "engine/error_log.h"
#include "engine_fixture.h"
#include "platform/fixed_text.h"
#include "shell/app.h"

namespace {

using platform::CopyFixed;

const char* kSuffixes[] = {".left.h264", ".right.h264", ".mkv", ".h264", ".vc1", ".ac3", ".flac", ".dts", ".dtshd",
                           ".thd+ac3", ".pcm", ".sup", ".srt", ".forced.sup", ".resized.sup", ".chapters.txt",
                           ".eac3to_log.txt", ".264", ".index", ".stats", ".stats.mbtree", ".stats.mbtree.temp",
                           ".stats.temp"};

class TempFiles : public test::EngineTest {
 protected:
  // Every name a job of slot 5 could own, plus another job's file.
  void WriteAll() {
    for (const char* suffix : kSuffixes) test::WriteFile(Temp(std::string("Movie.job_5") + suffix), "x");
    for (const char* stem : {"script.job_5.avs", "config.job_5.cfg", "temp.job_5.meta", "Movie.job_6.264"})
      test::WriteFile(Temp(stem), "x");
  }
  std::vector<std::string> Left() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Temp("")))
      if (entry.path().filename().string().find(".job_") != std::string::npos) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
  Job& Movie() { return Put(5, test::Bd25Job("Movie", "/m/film.m2ts", "/home/u/AVCHD/Movie")); }
};

TEST_F(TempFiles, A2dTwoPassJobFromTheSourceLosesItsEncoderFilesAndControlFile) {
  Movie();
  WriteAll();
  BorraTemporals(app(), 5, 0);
  EXPECT_EQ(Left(), (std::vector<std::string>{
                        "Movie.job_5.ac3", "Movie.job_5.chapters.txt", "Movie.job_5.dts", "Movie.job_5.dtshd",
                        "Movie.job_5.eac3to_log.txt", "Movie.job_5.flac", "Movie.job_5.forced.sup", "Movie.job_5.h264",
                        "Movie.job_5.left.h264", "Movie.job_5.mkv", "Movie.job_5.pcm", "Movie.job_5.resized.sup",
                        "Movie.job_5.right.h264", "Movie.job_5.srt", "Movie.job_5.sup", "Movie.job_5.thd+ac3",
                        "Movie.job_5.vc1", "Movie.job_6.264", "config.job_5.cfg", "script.job_5.avs"}));
}

TEST_F(TempFiles, AThreeDJobWithForcedCaptionsAndRecodedAudio) {
  Job& job = Movie();
  job.mode3d = 1;
  job.subMode = 3;
  job.audioTarget = 448;
  WriteAll();
  BorraTemporals(app(), 5, 0);
  // A 3D job burns its captions in: a forced-caption file is none of its own.
  EXPECT_EQ(Left(), (std::vector<std::string>{"Movie.job_5.chapters.txt", "Movie.job_5.dts", "Movie.job_5.dtshd",
                                              "Movie.job_5.flac", "Movie.job_5.forced.sup", "Movie.job_5.h264",
                                              "Movie.job_5.pcm", "Movie.job_5.resized.sup", "Movie.job_5.srt",
                                              "Movie.job_5.thd+ac3", "Movie.job_5.vc1", "Movie.job_6.264"}));
}

TEST_F(TempFiles, ACopiedMatroskaJobNeverTouchesAControlFile) {
  Job& job = Movie();
  job.media = 6;
  job.videoCopy = 1;
  job.subMode = 2;
  job.resize720 = 1;
  CopyFixed(job.audioCodecId, "A_DTS");
  job.audioKeepHd = 1;
  WriteAll();
  BorraTemporals(app(), 5, 0);
  const auto left = Left();
  for (const char* gone : {"Movie.job_5.h264", "Movie.job_5.dtshd", "Movie.job_5.sup", "Movie.job_5.chapters.txt",
                           "Movie.job_5.resized.sup", "Movie.job_5.eac3to_log.txt", "Movie.job_5.264", "Movie.job_5.index"})
    EXPECT_EQ(std::count(left.begin(), left.end(), gone), 0) << gone;
  for (const char* kept : {"temp.job_5.meta", "Movie.job_5.stats", "Movie.job_5.mkv", "Movie.job_5.forced.sup"})
    EXPECT_EQ(std::count(left.begin(), left.end(), kept), 1) << kept;
}

TEST_F(TempFiles, DebugModeKeepsThemUnlessForced) {
  Movie();
  WriteAll();
  app().switches.debugMode = 1;
  BorraTemporals(app(), 5, 0);
  EXPECT_EQ(Left().size(), std::size(kSuffixes) + 4);
  BorraTemporals(app(), 5, 1);
  const auto left = Left();
  EXPECT_EQ(std::count(left.begin(), left.end(), "Movie.job_5.stats.temp"), 0);
  EXPECT_LT(left.size(), std::size(kSuffixes));
}

TEST(ErrorLogEntry, StampsTheTimeAndFramesTheCommandLineWithDashes) {
  std::tm when{};
  when.tm_mday = 7;
  when.tm_mon = 2;
  when.tm_year = 125;
  when.tm_hour = 9;
  when.tm_min = 5;
  when.tm_sec = 3;
  EXPECT_EQ(ErrorLogEntry(when, "\"/t/x264\" --pass 2", 3),
            "-[07/03/2025 - 09:05:03]" + std::string(80, '-') + "\n  LAST CMD LINE => \"/t/x264\" --pass 2\n"
            "  EXIT CODE     => 3\n" + std::string(104, '-') + "\n\n");
}

}  // namespace
