#pragma once
// The stored queue run as "Start Jobs" runs it, with no window: the same
// pick order, steps, store, tools and error log; progress on a stream.

#include <ostream>

struct App;

namespace ui::memory {
class MemoryToolkit;
}

// Runs until the queue has nothing left or a signal (SIGINT, SIGTERM)
// stopped the running job as "Stop Jobs" does. Returns the exit code of
// shell/command_options.h.
int RunQueueFromTerminal(App& app, ui::memory::MemoryToolkit& ui, std::ostream& out, bool terminal);
