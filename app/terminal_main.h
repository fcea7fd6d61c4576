#pragma once

#include "shell/command_options.h"

// Runs a terminal mode (--list, --run) without a window or a display;
// returns the exit code.
int RunTerminal(const CommandOptions& options, int argc, char** argv);
