// Tools and stores that do not behave: a burst of progress output, and a
// store that refuses the running job's new state.

#include <sqlite3.h>

#include <chrono>
#include <thread>

#include "engine/progress_callbacks.h"
#include "engine/tool_runner.h"
#include "engine_fixture.h"
#include "queue/queue_control.h"
#include "queue/queue_store.h"
#include "shell/app.h"

namespace {

using namespace std::chrono_literals;

class HostileTool : public test::EngineTest {};

// On Windows the tick read 500 bytes of the pipe at a time and the tool
// waited for it: 200 KB of eac3to progress took 135.8 s.
TEST_F(HostileTool, ABurstOfProgressIsDrainedAtOnceAndTheTickShowsItsNewestValue) {
  Queue(1, "Film");
  StoreState(job(1), JobDemuxing);
  app().runningJob = 1;
  const std::string burst = "yes 'process: 12%' | head -c 204800; printf '\\nprocess: 99.5%%\\r'; sleep 0.3";
  const auto start = std::chrono::steady_clock::now();
  std::chrono::steady_clock::duration took{};
  std::thread pipeline([&] {
    RunTool(app(), Tool::Eac3to, "/bin/sh -c \"" + burst + "\"");
    took = std::chrono::steady_clock::now() - start;
  });
  bool shown = false;
  while (!shown && std::chrono::steady_clock::now() - start < 5s) {
    ShowToolProgress(app());
    shown = StatusLine() == "Process: 99.5%";
    std::this_thread::sleep_for(20ms);
  }
  pipeline.join();
  app().runningJob = -1;
  EXPECT_TRUE(shown) << StatusLine();
  EXPECT_EQ(BarValue(), 995);
  EXPECT_LT(took, 1s) << "the tool waited for its reader";
}

// The job goes on only when the store holds its state: a store another
// program keeps locked past the wait stops it before its first tool.
TEST_F(HostileTool, AStoreThatRefusesTheNewStateStopsTheJobBeforeItsTool) {
  Queue(1, "Film");
  SaveQueue(app());
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(harness.store().Path().c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
  std::vector<std::string> notices;
  harness.store().SetLockWait(200ms, [&notices](const std::string& notice) { notices.push_back(notice); });
  StartQueue();
  sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(other);
  EXPECT_TRUE(ToolsRun().empty());
  EXPECT_EQ(LoadState(job(1)), JobStopped);
  EXPECT_EQ(app().runningJob, -1);
  EXPECT_EQ(app().storeFailures.load(), 1);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0], "The settings store " + harness.store().Path() +
                            " is locked by another program; waiting up to 0.2 s.");
  const auto popups = harness.ui().Popups();
  ASSERT_FALSE(popups.empty());
  EXPECT_EQ(popups.back().title, "ERROR");
  EXPECT_EQ(popups.back().message,
            "The job was stopped: its new state could not be saved. Start Jobs resumes it.\n\nThe settings store " +
                harness.store().Path() + " did not take it: another program holds it locked (waited 0.2 s).");
  // What the store holds resumes the job the same way.
  app().queue = JobQueue{};
  LoadQueue(app());
  EXPECT_EQ(LoadState(job(1)), JobPending);
}

}  // namespace
