// A stop signalled to the process group, the way the program stops a tool.
#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <thread>

#include "command_run.h"
#include "eac3to_program.h"
#include "media_cache.h"

namespace eac3to::test {
namespace {

using quandrell::test::TempFolder;

// Twenty minutes of stereo AC-3: long enough to recode that a stop lands mid-way.
std::filesystem::path LongAudio() {
  return quandrell::test::CachedMedia("long-audio.m2ts", [](const std::filesystem::path& out) {
    quandrell::test::RunFfmpeg({"-f", "lavfi", "-i",
                                "sine=frequency=440:sample_rate=48000:duration=1200", "-c:a",
                                "ac3", "-b:a", "96k", "-f", "mpegts", "-mpegts_m2ts_mode", "1",
                                out.string()});
  });
}

bool WaitForProgress(const quandrell::test::Command& command) {
  for (int i = 0; i < 500; ++i) {
    if (command.Output().find("process: 1") != std::string::npos) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

TEST(Stop, SigtermToTheGroupLeavesNoFileBehind) {
  TempFolder folder;
  const auto target = folder / "long.flac";
  quandrell::test::Command command({Eac3toProgram(), LongAudio().string(), "1:", target.string(),
                                    "1:", (folder / "other.ac3").string(), "-640",
                                    "-progressnumbers",
                                    "-log=" + (folder / "log.txt").string()});
  ASSERT_TRUE(WaitForProgress(command)) << command.Output();
  command.SignalGroup(SIGTERM);
  EXPECT_EQ(command.Wait(), 128 + SIGTERM);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1)
      << "only the log may remain";
  const std::string log = quandrell::test::ReadFile(folder / "log.txt");
  EXPECT_NE(log.find("<ERROR> Stopped on request"), std::string::npos) << log;
}

TEST(Stop, ARunAfterAStopWritesTheWholeFile) {
  TempFolder folder;
  const auto target = folder / "long.flac";
  {
    quandrell::test::Command first({Eac3toProgram(), LongAudio().string(), "1:", target.string(),
                                    "-progressnumbers"});
    ASSERT_TRUE(WaitForProgress(first));
    first.SignalGroup(SIGTERM);
    first.Wait();
  }
  const auto second = RunEac3to({LongAudio().string(), "1:", target.string()}, folder);
  EXPECT_EQ(second.exitCode, 0);
  EXPECT_TRUE(std::filesystem::exists(target));
  EXPECT_FALSE(std::filesystem::exists(target.string() + ".partial"));
}

}  // namespace
}  // namespace eac3to::test
