#pragma once
// What the engine's tests share: the program on the headless window with
// the fake tools, recording stand-ins for the finish sound and the
// launcher, and jobs of the kinds a user queues.

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <string>
#include <vector>

#include "engine/job_run.h"
#include "fakes/fake_tools.h"
#include "harness/app_harness.h"
#include "harness/sample_jobs.h"
#include "platform/sound.h"
#include "platform/taskbar_progress.h"

namespace test {

class RecordingSound : public platform::SoundPlayer {
 public:
  void PlayFile(const std::string& path) override {
    std::lock_guard<std::mutex> lock(mutex_);
    played_.push_back(path);
  }
  std::vector<std::string> Played() {
    std::lock_guard<std::mutex> lock(mutex_);
    return played_;
  }

 private:
  std::mutex mutex_;
  std::vector<std::string> played_;
};

class RecordingTaskbar : public platform::TaskbarProgress {
 public:
  void SetState(platform::TaskbarState state) override { Add("state " + std::to_string(static_cast<int>(state))); }
  void SetValue(int done, int total) override { Add(std::to_string(done) + "/" + std::to_string(total)); }
  std::vector<std::string> Events() {
    std::lock_guard<std::mutex> lock(mutex_);
    return events_;
  }

 private:
  void Add(const std::string& event) {
    std::lock_guard<std::mutex> lock(mutex_);
    events_.push_back(event);
  }
  std::mutex mutex_;
  std::vector<std::string> events_;
};

class EngineTest : public ::testing::Test {
 protected:
  EngineTest();
  ~EngineTest() override;

  App& app() { return harness.app(); }
  Job& job(int slot) { return app().queue[slot]; }
  Job& Put(int slot, const Job& job);
  // A BD-25 job from `source`, its AVCHD folder named after it in the scratch folder.
  Job& Queue(int slot, const std::string& name) { return Put(slot, Bd25Job(name, source, Scratch(name))); }
  // "<temporary folder>/<name>"
  std::string Temp(const std::string& name);
  // "<scratch folder>/<name>", for sources and outputs.
  std::string Scratch(const std::string& name) const { return scratch / name; }
  std::string Tool(const std::string& relative) const { return fakes.ToolPath(relative); }

  // Starts the queue as Start Jobs does and waits until it has run dry.
  void StartQueue();
  // Waits until the pipeline has nothing armed or running.
  void WaitIdle();
  // Waits until the fakes have recorded `count` runs.
  void WaitForRuns(size_t count);
  // Waits until a tool has written the file (its partial output, say).
  void WaitForFile(const std::string& path);
  std::vector<std::string> ToolsRun() const;
  // The arguments the fakes' run number `run` was started with (argv[0] first).
  std::vector<std::string> Args(size_t run) const { return fakes.Runs().at(run).argv; }
  // Whether `a` is followed directly by `b` in argv.
  static bool Has(const std::vector<std::string>& argv, const std::string& a, const std::string& b);
  std::string ErrorLog();
  std::string BarLabel();
  int BarValue();
  std::string StatusLine();

  FakeTools fakes;
  TempDir scratch;
  AppHarness harness;
  const std::string source = Scratch("00800.m2ts");  // exists
  RecordingSound* sound = nullptr;
  RecordingTaskbar* taskbar = nullptr;
};

}  // namespace test
