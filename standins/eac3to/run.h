#pragma once

#include <string>
#include <vector>

namespace eac3to {

// Carries out one command line (the arguments after the program name) and
// returns the exit code: 0 when everything asked for was done, 1 after an
// error, 128 + the signal number after a stop.
int Run(const std::vector<std::string>& args);

}  // namespace eac3to
