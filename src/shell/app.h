#pragma once
// The program's state in one object: created by main() and by each test,
// so every test starts clean. Code takes the narrowest part it needs.

#include <array>
#include <atomic>
#include <cstdint>
#include <string>

#include "engine/running_tool.h"
#include "platform/registry_store.h"
#include "platform/shell_open.h"
#include "queue/job.h"
#include "scanner/scan_control.h"
#include "shell/settings.h"
#include "source/source_info.h"
#include "ui/toolkit.h"

struct App {
  App(ui::Toolkit& toolkit, platform::RegistryStore& registry, platform::ShellOpener& opener,
      std::string programFolder)
      : ui(toolkit), store(registry), shell(opener), programDir(std::move(programFolder)) {}

  ui::Toolkit& ui;
  platform::RegistryStore& store;
  platform::ShellOpener& shell;
  const std::string programDir;

  int mainPanel = 0;
  int is64BitOs = sizeof(void*) == 8 ? 1 : 0;

  Settings settings{};
  std::array<uint8_t, 16> clientId{};
  RunSwitches switches;
  AdvancedOptions advanced;

  JobQueue queue{};
  std::atomic<int> runningJob{-1};
  RunningTool tool;

  SourceInfo source{};
  int videoCopyChosen = 0;

  // The bitrate scan: its dialog, tick, worker and counters. Declared last,
  // so it goes first: its worker is joined while the rest of App still lives.
  scanner::ScanControl scan{ui};
};
