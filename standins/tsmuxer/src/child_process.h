#pragma once
// Runs a program found on PATH with stdin from /dev/null and stdout read
// line by line ("\r" and "\n" both end a line); stderr is shared with ours.

#include <functional>
#include <string>
#include <vector>

namespace tsmuxer {

// Returns the exit code, 128 + signal for a killed child, or -1 when it
// could not be started.
int runChild(const std::vector<std::string>& argv, const std::function<void(const std::string&)>& onLine);

}  // namespace tsmuxer
