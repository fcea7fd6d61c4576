#pragma once
// What the command line asks of the program: the window (no options), the
// queue listed or run from a terminal, help or the version.

#include <string>

struct CommandOptions {
  enum Mode { Window, List, Run, Help, Version, Bad };
  Mode mode = Window;
  bool details = false;  // --list --details
  std::string error;     // Bad: what was wrong
};

CommandOptions ParseCommandOptions(int argc, const char* const* argv);
std::string UsageText();

// Exit codes of the terminal modes.
enum TerminalExit {
  ExitAllFinished = 0,
  ExitJobFailed = 1,
  ExitBadUse = 2,
  ExitAnotherInstance = 3,
  ExitStoppedBySignal = 4,
};
