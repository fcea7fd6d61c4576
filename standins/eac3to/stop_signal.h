#pragma once

#include <stdexcept>

namespace eac3to {

// The program is stopped by a signal to its process group (SIGTERM, also
// SIGINT and SIGHUP). The handler only notes it; the work checks the note,
// ends its child, removes its unfinished files and exits non-zero.
void InstallStopHandlers();
bool StopRequested();
int StopSignal();  // the signal that asked, 0 when none did

// Thrown when work ends because a stop was requested.
class Stopped : public std::runtime_error {
 public:
  Stopped() : std::runtime_error("Stopped on request; unfinished files were removed.") {}
};

// Throws Stopped when a stop was requested.
void ThrowIfStopped();

}  // namespace eac3to
