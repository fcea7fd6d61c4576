#include "engine_fixture.h"

#include <thread>

#include "platform/fixed_text.h"
#include "queue/queue_control.h"
#include "shell/app.h"

namespace test {

using namespace std::chrono_literals;
using platform::CopyFixed;

EngineTest::EngineTest() {
  WriteFile(source, "m2ts");
  harness.StartMainWindow();
  auto recordingSound = std::make_unique<RecordingSound>();
  sound = recordingSound.get();
  app().sound = std::move(recordingSound);
  auto recordingTaskbar = std::make_unique<RecordingTaskbar>();
  taskbar = recordingTaskbar.get();
  app().taskbar = std::move(recordingTaskbar);
}

EngineTest::~EngineTest() {
  // A test that failed half-way leaves no tool behind.
  if (app().runningJob != -1) StopRunningJob(app());
  WaitIdle();
}

Job& EngineTest::Put(int slot, const Job& job) {
  app().queue[slot] = job;
  return app().queue[slot];
}

std::string EngineTest::Temp(const std::string& name) {
  return (std::filesystem::path(platform::FixedText(harness.app().settings.TempPath)) / name).string();
}

void EngineTest::StartQueue() {
  StartNextJob(app());
  WaitIdle();
}

void EngineTest::WaitIdle() { ASSERT_TRUE(app().pipeline.WaitIdle(30s)) << "the pipeline did not come to rest"; }

void EngineTest::WaitForRuns(size_t count) {
  for (int i = 0; i < 1000 && fakes.Runs().size() < count; ++i) std::this_thread::sleep_for(10ms);
  ASSERT_GE(fakes.Runs().size(), count);
}

void EngineTest::WaitForFile(const std::string& path) {
  for (int i = 0; i < 500 && !std::filesystem::exists(path); ++i) std::this_thread::sleep_for(10ms);
  ASSERT_TRUE(std::filesystem::exists(path)) << path;
}

std::vector<std::string> EngineTest::ToolsRun() const {
  std::vector<std::string> tools;
  for (const auto& run : fakes.Runs()) tools.push_back(run.tool);
  return tools;
}

bool EngineTest::Has(const std::vector<std::string>& argv, const std::string& a, const std::string& b) {
  for (size_t i = 0; i + 1 < argv.size(); ++i)
    if (argv[i] == a && argv[i + 1] == b) return true;
  return false;
}

std::string EngineTest::ErrorLog() { return ReadFile(Temp("error_log.txt")); }

std::string EngineTest::BarLabel() {
  return ui::AsText(harness.ui().GetCtrlAttribute(harness.panel(), PANEL_BARRA, ui::ATTR_LABEL_TEXT));
}

int EngineTest::BarValue() { return ui::AsInt(harness.ui().GetCtrlVal(harness.panel(), PANEL_BARRA)); }

std::string EngineTest::StatusLine() { return ui::AsText(harness.ui().GetCtrlVal(harness.panel(), PANEL_ESTAT)); }

}  // namespace test
