// The terminal modes: the queue listed or run with no window and no
// display. No GUI application is ever created here.

#include "terminal_main.h"

#include <QCoreApplication>
#include <iostream>
#include <memory>

#include "platform/program_dir.h"
#include "platform/registry_store.h"
#include "queue/queue_store.h"
#include "shell/app.h"
#include "shell/queue_listing.h"
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
  if (std::string error = services.Open(options.mode == CommandOptions::Run); !error.empty()) {
    std::cerr << "quandrell: " << error << "\n";
    return ExitBadUse;
  }
  if (options.mode == CommandOptions::List) return ListJobs(services, options.details);
  return ExitBadUse;
}
