#pragma once
// The program's start-up sequence after the window system is up, its
// event loop, and its tear-down.

#include <string>

struct App;

namespace platform {
class SingleInstance;
}

// Refuses a second copy, shows the main window, restores the settings and
// the queue, starts the online services and the end-of-session handling,
// and runs the event loop. `storeError` is shown once when the store could
// not be opened. Returns the process exit code.
int RunMainWindow(App& app, platform::SingleInstance& instance, const std::string& storeError);
