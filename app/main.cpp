// Quandrell: the window, or with options the queue from a terminal.

#include <signal.h>

#include <iostream>

#include "platform/session_signals.h"
#include "shell/command_options.h"
#include "shell/product.h"
#include "terminal_main.h"
#include "window_main.h"

int main(int argc, char** argv) {
  // Before any thread starts: signals are taken on a thread of their own.
  platform::BlockSessionSignals({SIGTERM, SIGHUP, SIGINT});
  const CommandOptions options = ParseCommandOptions(argc, argv);
  switch (options.mode) {
    case CommandOptions::Window:
      return RunWindow(argc, argv);
    case CommandOptions::Help:
      std::cout << UsageText();
      return ExitAllFinished;
    case CommandOptions::Version:
      std::cout << kProductName << " " << kProductVersion << "\n";
      return ExitAllFinished;
    case CommandOptions::Bad:
      std::cerr << "quandrell: " << options.error << "\n\n" << UsageText();
      return ExitBadUse;
    default:
      return RunTerminal(options, argc, argv);
  }
}
