// The queue from a terminal: `quandrell --run` runs the stored queue with
// the very command lines the window's run gives, keeps the store as the
// window keeps it, stops on a signal so that the next run resumes, and
// refuses to run beside another copy; `--list` prints the queue's lines.
// Every run here has no display and no QT_QPA_PLATFORM.

#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

#include "fakes/fake_tools.h"
#include "harness/app_harness.h"
#include "harness/sample_jobs.h"
#include "platform/fixed_text.h"
#include "platform/single_instance.h"
#include "program_run.h"
#include "queue/queue_control.h"
#include "queue/queue_store.h"

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

class TerminalRun : public ::testing::Test {
 protected:
  TerminalRun() {
    test::WriteFile(source, "m2ts");
    harness.StartMainWindow();
  }

  void Queue(int slot, const Job& job) {
    harness.app().queue[slot] = job;
    SaveQueue(harness.app());
  }
  // What the window would show after a restart: the queue as stored.
  JobQueue Stored() {
    harness.app().queue = JobQueue{};
    LoadQueue(harness.app());
    return harness.app().queue;
  }
  test::Program Start(const std::vector<std::string>& args) {
    return test::StartProgram(QUANDRELL_BINARY, args, {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"},
                              scratch / ("log" + std::to_string(++logs)));
  }
  int Run(const std::vector<std::string>& args, test::Program* out = nullptr) {
    test::Program p = Start(args);
    const int code = test::WaitExit(p.pid, 60s);
    if (out) *out = p;
    return code;
  }
  std::string TempFile(const std::string& name) {
    return (fs::path(platform::FixedText(harness.app().settings.TempPath)) / name).string();
  }
  // A tool ran with these words among its arguments.
  bool RanWith(const std::string& words) {
    for (const auto& run : fakes.Runs()) {
      std::string line;
      for (const auto& arg : run.argv) line += arg + " ";
      if (line.find(" " + words + " ") != std::string::npos) return true;
    }
    return false;
  }

  test::FakeTools fakes;
  test::TempDir scratch;
  test::AppHarness harness;
  const std::string source = scratch / "00800.m2ts";
  int logs = 0;
};

std::vector<std::pair<std::string, std::vector<std::string>>> CommandLines(const test::FakeTools& fakes) {
  std::vector<std::pair<std::string, std::vector<std::string>>> lines;
  for (const auto& run : fakes.Runs()) lines.emplace_back(run.tool, run.argv);
  return lines;
}

TEST_F(TerminalRun, RunsTheStoredQueueWithTheSameCommandLinesAsTheWindow) {
  Queue(0, test::Bd25Job("FILM", source, scratch / "FILM"));
  Queue(1, test::MkvCrfJob("Film", source, scratch / "Film.mkv"));
  Queue(2, test::MkvRemuxJob("Copy", source, scratch / "Copy.mkv"));
  Queue(3, test::ForcedSubtitleJob("FORCED", source, scratch / "FORCED"));
  const JobQueue queued = harness.app().queue;

  StartJobs(harness.app());  // the window's "Start Jobs"
  ASSERT_TRUE(harness.app().pipeline.WaitIdle(60s));
  const auto byWindow = CommandLines(fakes);
  ASSERT_GE(byWindow.size(), 8u);

  for (const char* output : {"FILM", "Film.mkv", "Copy.mkv", "FORCED"}) fs::remove_all(scratch / output);
  fakes.ClearRuns();
  harness.app().queue = queued;
  SaveQueue(harness.app());

  test::Program run;
  EXPECT_EQ(Run({"--run"}, &run), 0) << run.Err();
  EXPECT_EQ(CommandLines(fakes), byWindow);
  for (const Job& job : Stored()) EXPECT_EQ(job.state, JobFree) << "finished jobs leave the store";
  const std::string err = run.Err();
  EXPECT_NE(err.find("[slot 0] start " + std::string(scratch / "FILM") +
                     " (BD-25 / 18000 Kbps / medium); steps: x264 pass 1, x264 pass 2, tsMuxeR"),
            std::string::npos)
      << err;
  EXPECT_NE(err.find("[slot 0] [STEP 1/3 - X264 PASS 1] Recode video using x264, 1st pass..."), std::string::npos);
  EXPECT_NE(err.find("[slot 3] start"), std::string::npos);
  EXPECT_NE(err.find("steps: demux, forced captions, x264 pass 1, x264 pass 2, tsMuxeR"), std::string::npos);
  EXPECT_NE(err.find("[slot 2] finished in 0:00:0"), std::string::npos);
  EXPECT_NE(err.find("Jobs finished: 4, failed: 0, stopped: 0"), std::string::npos);
}

TEST_F(TerminalRun, AFailedToolGivesExitCodeOneAndAnErrorLogEntryAndTheQueueGoesOn) {
  Queue(0, test::Bd25Job("FILM", source, scratch / "FILM"));
  Queue(1, test::MkvRemuxJob("Copy", source, scratch / "Copy.mkv"));
  fakes.Set("X264_EXIT", "3");
  test::Program run;
  EXPECT_EQ(Run({"--run"}, &run), 1) << run.Err();
  const JobQueue stored = Stored();
  EXPECT_EQ(stored[0].state, JobFailed);
  EXPECT_EQ(stored[1].state, JobFree);
  const std::string log = test::ReadFile(TempFile("error_log.txt"));
  EXPECT_NE(log.find("  EXIT CODE     => 3\n"), std::string::npos) << log;
  EXPECT_NE(run.Err().find("[slot 0] failed after"), std::string::npos);
  EXPECT_NE(run.Err().find("Jobs finished: 1, failed: 1, stopped: 0"), std::string::npos);

  fakes.Set("X264_EXIT", "0");  // a failed job is tried again, as Start Jobs does
  EXPECT_EQ(Run({"--run"}), 0);
  EXPECT_EQ(Stored()[0].state, JobFree);
}

TEST_F(TerminalRun, ASignalDuringPassTwoStopsTheJobAndTheNextRunResumesThere) {
  Queue(0, test::Bd25Job("FILM", source, scratch / "FILM"));
  fakes.Set("X264_SLEEP", "30");
  fakes.Set("X264_WHEN", "--pass 2");
  test::Program run = Start({"--run"});
  ASSERT_TRUE(test::WaitFor([&] { return RanWith("--pass 2"); }, 30s)) << test::ReadFile(run.errFile);
  kill(run.pid, SIGTERM);
  kill(run.pid, SIGTERM);  // a second signal while it stops changes nothing
  EXPECT_EQ(test::WaitExit(run.pid, 20s), 4) << run.Err();
  EXPECT_EQ(Stored()[0].state, JobStopped);
  EXPECT_TRUE(fs::exists(TempFile("FILM.job_0.stats"))) << "pass 1 results are kept";
  EXPECT_NE(run.Err().find("[slot 0] stopped after"), std::string::npos);
  EXPECT_NE(run.Err().find("Jobs finished: 0, failed: 0, stopped: 1"), std::string::npos);

  fakes.ClearRuns();
  fakes.Set("X264_SLEEP", "0");
  EXPECT_EQ(Run({"--run"}), 0);
  const auto runs = fakes.Runs();
  ASSERT_FALSE(runs.empty());
  EXPECT_EQ(runs.front().tool, "x264");
  EXPECT_TRUE(RanWith("--pass 2"));
  EXPECT_FALSE(RanWith("--pass 1"));
}

TEST_F(TerminalRun, AKilledRunLeavesTheJobStoppedAndTheNextRunTakesItFirst) {
  Queue(0, test::Bd25Job("FIRST", source, scratch / "FIRST"));
  Queue(5, test::Bd25Job("KILLED", source, scratch / "KILLED"));
  harness.app().queue[0].state = JobPending;
  Queue(5, [&] {
    Job job = test::Bd25Job("KILLED", source, scratch / "KILLED");
    job.state = JobStopped;
    return job;
  }());
  fakes.Set("X264_SLEEP", "2");
  fakes.Set("X264_WHEN", "--pass 2");
  test::Program run = Start({"--run"});
  ASSERT_TRUE(test::WaitFor([&] { return RanWith("--pass 2"); }, 30s));
  kill(run.pid, SIGKILL);
  test::WaitExit(run.pid, 10s);
  std::this_thread::sleep_for(2500ms);  // the orphaned encoder ends by itself

  test::Program list;
  EXPECT_EQ(Run({"--list"}, &list), 0);
  EXPECT_EQ(list.Out(), "[PENDING]          " + std::string(scratch / "FIRST") + " (BD-25 / 18000 Kbps / medium)\n" +
                            "[STOPPED]          " + std::string(scratch / "KILLED") + " (BD-25 / 18000 Kbps / medium)\n");

  fakes.ClearRuns();
  fakes.Set("X264_SLEEP", "0");
  test::Program again;
  EXPECT_EQ(Run({"--run"}, &again), 0);
  EXPECT_LT(again.Err().find("[slot 5] start"), again.Err().find("[slot 0] start"));
}

TEST_F(TerminalRun, ListPrintsTheQueueLinesAndWithDetailsTheirDetailLines) {
  Job failed = test::Bd25Job("FAILED", source, "/out/FAILED");
  failed.state = JobFailed;
  Job running = test::MkvRemuxJob("Running", source, "/out/Running.mkv");
  running.state = JobX264Pass2;
  Queue(2, failed);
  Queue(7, running);
  Queue(9, test::MkvCrfJob("Pending", source, "/out/Pending.mkv"));
  test::Program list;
  EXPECT_EQ(Run({"--list"}, &list), 0);
  EXPECT_EQ(list.Out(),
            "[FAILED]           /out/FAILED (BD-25 / 18000 Kbps / medium)\n"
            "[STOPPED]          /out/Running.mkv (MKV Remux)\n"
            "[PENDING]          /out/Pending.mkv (MKV / CRF 20 / medium)\n");
  test::Program details;
  EXPECT_EQ(Run({"--list", "--details"}, &details), 0);
  EXPECT_NE(details.Out().find("[STOPPED]          /out/Running.mkv (MKV Remux)\n"
                               "  Source: " + source + "\n"
                               "  Video: AVC / 23.976 fps / 1000 frames\n"
                               "  Target video: untouched / MKV Remux\n"),
            std::string::npos)
      << details.Out();
}

TEST_F(TerminalRun, RefusesToRunBesideAnotherCopyAndTouchesNothing) {
  Queue(0, test::Bd25Job("FILM", source, scratch / "FILM"));
  const std::string before = test::ReadFile(harness.store().Path());
  platform::SingleInstance window((fs::path(harness.store().Path()).parent_path() / "instance.lock").string());
  ASSERT_TRUE(window.Acquire());
  test::Program run;
  EXPECT_EQ(Run({"--run"}, &run), 3);
  EXPECT_NE(run.Err().find("another instance of Quandrell is already running"), std::string::npos);
  EXPECT_TRUE(fakes.Runs().empty());
  EXPECT_EQ(Stored()[0].state, JobPending);
}

TEST_F(TerminalRun, TheWindowStartedWhileARunWorksIsRefused) {
  Queue(0, test::Bd25Job("FILM", source, scratch / "FILM"));
  fakes.Set("X264_SLEEP", "30");
  test::Program run = Start({"--run"});
  ASSERT_TRUE(test::WaitFor([&] { return !fakes.Runs().empty(); }, 30s)) << test::ReadFile(run.errFile);
  test::Program window = test::StartProgram(QUANDRELL_BINARY, {}, {"QT_QPA_PLATFORM=offscreen"}, scratch / "window");
  EXPECT_TRUE(test::WaitFor([&] {
    return window.Err().find("Another instance of Quandrell is already running!") != std::string::npos;
  }, 20s)) << window.Err();
  kill(window.pid, SIGTERM);
  EXPECT_EQ(test::WaitExit(window.pid, 10s), 0);
  kill(run.pid, SIGTERM);
  EXPECT_EQ(test::WaitExit(run.pid, 20s), 4);
}

// Another program held the store's write lock: --run stalled for 40 s
// without a word, then went on with states it had not stored.
TEST_F(TerminalRun, ALockedStoreIsWaitedForWithANoticeAndTheJobStopsWithExitCodeOne) {
  Queue(0, test::Bd25Job("FILM", source, scratch / "FILM"));
  const std::string path = harness.store().Path();
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
  test::Program run;
  const int code = Run({"--run"}, &run);
  sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(other);
  EXPECT_EQ(code, 1);
  EXPECT_NE(run.Err().find("quandrell: The settings store " + path +
                           " is locked by another program; waiting up to 5 s.\n"),
            std::string::npos) << run.Err();
  EXPECT_NE(run.Err().find("The job was stopped: its new state could not be saved. Start Jobs resumes it."),
            std::string::npos) << run.Err();
  EXPECT_TRUE(fakes.Runs().empty());
  EXPECT_EQ(Stored()[0].state, JobPending);
}

TEST_F(TerminalRun, ListCreatesNoStoreAndReadsOneItMayNotWrite) {
  const std::string nowhere = scratch / "nowhere";
  test::Program list = test::StartProgram(QUANDRELL_BINARY, {"--list"},
                                          {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_CONFIG_HOME=" + nowhere},
                                          scratch / "list-none");
  EXPECT_EQ(test::WaitExit(list.pid, 30s), 0) << list.Err();
  EXPECT_EQ(list.Out(), "");
  EXPECT_FALSE(fs::exists(nowhere));
  if (geteuid() == 0) GTEST_SKIP() << "root may write every file";
  Queue(0, test::Bd25Job("FILM", source, "/out/FILM"));
  fs::permissions(harness.store().Path(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(Run({"--list"}, &list), 0) << list.Err();
  EXPECT_EQ(list.Out(), "[PENDING]          /out/FILM (BD-25 / 18000 Kbps / medium)\n");
}

TEST_F(TerminalRun, AStoreOfAnotherShapeIsRefusedWithExitCodeTwo) {
  const std::string config = scratch / "other";
  fs::create_directories(config + "/Quandrell");
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open((config + "/Quandrell/registry.db").c_str(), &db), SQLITE_OK);
  sqlite3_exec(db, "CREATE TABLE registry_values (key TEXT, name TEXT, type INTEGER, data BLOB)", nullptr, nullptr, nullptr);
  sqlite3_close(db);
  test::Program run = test::StartProgram(QUANDRELL_BINARY, {"--run"},
                                         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_CONFIG_HOME=" + config},
                                         scratch / "run-shape");
  EXPECT_EQ(test::WaitExit(run.pid, 30s), 2);
  EXPECT_NE(run.Err().find("its table registry_values is not of the expected shape"), std::string::npos) << run.Err();
  EXPECT_TRUE(fakes.Runs().empty());
}

TEST_F(TerminalRun, HelpVersionAndBadArguments) {
  test::Program p;
  EXPECT_EQ(Run({"--version"}, &p), 0);
  EXPECT_EQ(p.Out(), "Quandrell 1.7.1\n");
  EXPECT_EQ(Run({"--help"}, &p), 0);
  EXPECT_NE(p.Out().find("4 stopped by a signal"), std::string::npos);
  EXPECT_NE(p.Out().find("power-off option does\n               not apply"), std::string::npos);
  EXPECT_EQ(Run({"--frobnicate"}, &p), 2);
  EXPECT_NE(p.Err().find("unknown option --frobnicate"), std::string::npos);
  EXPECT_NE(p.Err().find("Usage: quandrell"), std::string::npos);
  EXPECT_EQ(Run({"--details"}, &p), 2);
  EXPECT_EQ(Run({"--run"}, &p), 0) << "an empty queue has nothing to run";
  EXPECT_NE(p.Err().find("Jobs finished: 0, failed: 0, stopped: 0"), std::string::npos);
}

}  // namespace
