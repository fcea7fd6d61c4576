#include "shell/command_options.h"

CommandOptions ParseCommandOptions(int argc, const char* const* argv) {
  CommandOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    CommandOptions::Mode mode = CommandOptions::Bad;
    if (arg == "--list") mode = CommandOptions::List;
    else if (arg == "--run") mode = CommandOptions::Run;
    else if (arg == "--help" || arg == "-h") mode = CommandOptions::Help;
    else if (arg == "--version") mode = CommandOptions::Version;
    else if (arg == "--details") {
      options.details = true;
      continue;
    }
    if (mode == CommandOptions::Bad) return {CommandOptions::Bad, false, "unknown option " + arg};
    if (options.mode != CommandOptions::Window && options.mode != mode)
      return {CommandOptions::Bad, false, "choose one of --list, --run, --help and --version"};
    options.mode = mode;
  }
  if (options.details && options.mode != CommandOptions::List)
    return {CommandOptions::Bad, false, "--details goes with --list"};
  return options;
}

std::string UsageText() {
  return std::string("Usage: quandrell [--list [--details] | --run | --help | --version]\n"
                     "\n"
                     "Without options Quandrell opens its window.\n"
                     "\n"
                     "  --list       print every job of the queue, one line each, as the queue\n"
                     "               window shows it; with --details also its detail lines.\n"
                     "               Read only: it may run while the window is open.\n"
                     "  --run        run the queue as \"Start Jobs\" does, without a window or a\n"
                     "               display, with the same settings, store and tools; progress\n"
                     "               goes to standard error. SIGINT or SIGTERM stops the running\n"
                     "               job as \"Stop Jobs\" does; the next --run resumes it. The\n"
                     "               finish sound is not played and the power-off option does\n"
                     "               not apply.\n"
                     "  --help       show this text.\n"
                     "  --version    show the version.\n"
                     "\n"
                     "Exit codes: 0 every job finished (or nothing to run), 1 at least one job\n"
                     "failed, 2 bad arguments or a store that cannot be opened, 3 another\n"
                     "Quandrell is running, 4 stopped by a signal.\n");
}
