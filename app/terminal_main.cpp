// The terminal modes: the queue listed or run with no window and no
// display. No GUI application is ever created here.

#include "terminal_main.h"

#include <unistd.h>

#include <QCoreApplication>
#include <filesystem>
#include <iostream>
#include <memory>

#include "platform/program_dir.h"
#include "platform/registry_store.h"
#include "platform/single_instance.h"
#include "queue/queue_store.h"
#include "shell/app.h"
#include "shell/queue_listing.h"
#include "shell/terminal_run.h"
#include "terminal_services.h"

namespace {

int ListJobs(TerminalServices& services, bool details) {
  LoadQueue(services.app());
  ListQueue(services.app().queue, details, std::cout);
  return ExitAllFinished;
}

}  // namespace

int RunTerminal(const CommandOptions& options, int argc, char** argv) {
  QCoreApplication application(argc, argv);
  TerminalServices services(platform::ProgramDir());
  // One queue runner at a time: the window and --run share this lock, and a
  // refused run touches nothing.
  const auto lockPath = std::filesystem::path(services.storePath()).parent_path() / "instance.lock";
  platform::SingleInstance instance(lockPath.string());
  const bool run = options.mode == CommandOptions::Run;
  if (run && !instance.Acquire()) {
    std::cerr << "quandrell: another instance of Quandrell is already running (the window or --run)\n";
    return ExitAnotherInstance;
  }
  if (std::string error = services.Open(run); !error.empty()) {
    std::cerr << "quandrell: " << error << "\n";
    return ExitBadUse;
  }
  if (!run) return ListJobs(services, options.details);
  return RunQueueFromTerminal(services.app(), services.ui(), std::cerr, isatty(STDERR_FILENO) != 0);
}
