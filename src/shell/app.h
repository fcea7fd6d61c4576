#pragma once
// The program's state in one object: created by main() and by each test,
// so every test starts clean. Code takes the narrowest part it needs.

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "engine/pipeline.h"
#include "engine/pipeline_thread.h"
#include "engine/running_tool.h"
#include "online/version_check_thread.h"
#include "platform/power.h"
#include "platform/registry_store.h"
#include "platform/shell_open.h"
#include "platform/sound.h"
#include "platform/taskbar_progress.h"
#include "queue/job.h"
#include "scanner/scan_control.h"
#include "shell/settings.h"
#include "source/source_info.h"
#include "ui/toolkit.h"

struct App {
  App(ui::Toolkit& toolkit, platform::RegistryStore& registry, platform::ShellOpener& opener,
      platform::Power& powerControl, std::string programFolder)
      : ui(toolkit),
        store(registry),
        shell(opener),
        power(powerControl),
        programDir(std::move(programFolder)) {}

  ui::Toolkit& ui;
  platform::RegistryStore& store;
  platform::ShellOpener& shell;
  platform::Power& power;
  const std::string programDir;

  int mainPanel = 0;
  int is64BitOs = sizeof(void*) == 8 ? 1 : 0;

  Settings settings{};
  std::array<uint8_t, 16> clientId{};
  RunSwitches switches;
  AdvancedOptions advanced;

  JobQueue queue{};
  std::atomic<int> runningJob{-1};
  // The pipeline is the only writer of the running job's record (besides
  // its state word); it writes what a step learned under this lock, and
  // whoever copies a record on another thread copies it under the lock.
  mutable std::mutex records;
  // Saves the store refused this run (--run ends with exit code 1).
  std::atomic<int> storeFailures{0};
  RunningTool tool;
  // Queue control hands each picked job to this: the engine's run, unless
  // a test plays the engine's part itself.
  std::function<void(App&)> runJob = ArmPipeline;

  SourceInfo source{};
  int videoCopyChosen = 0;

  // The conversion engine's signals to the desktop: the finish sound and
  // the progress on the launcher button (tests replace them).
  std::unique_ptr<platform::SoundPlayer> sound = platform::MakeSoundPlayer();
  std::unique_ptr<platform::TaskbarProgress> taskbar = platform::MakeTaskbarProgress();

  // The App's threads come last, so that they are stopped before anything
  // else of the App goes: the version check's; the bitrate scan's (its
  // dialog, tick, worker and counters); and the pipeline's, which goes
  // first so that a run still winding down ends before what it uses.
  VersionCheckThread versionCheck;
  scanner::ScanControl scan{ui};
  PipelineThread pipeline;
};
