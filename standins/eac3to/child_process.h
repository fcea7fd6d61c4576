#pragma once

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "child_input.h"

namespace eac3to {

struct ChildResult {
  int exitCode = -1;     // the child's exit code; -1 when a signal ended it
  bool stopped = false;  // we were asked to stop while it ran
  std::vector<std::string> errorLines;  // the last lines of its standard error
  std::exception_ptr inputError;        // what the feed of its standard input threw
};

// Runs a program found on PATH with the given arguments (argv[0] is its name)
// and hands each line of its standard output to onLine. The child stays in our
// process group, so a stop signalled to the group reaches it too; a stop seen
// here is passed on to it. With input, the child reads what its feed writes
// on its standard input. Throws Failure when the program can't be started.
ChildResult RunChild(const std::vector<std::string>& argv,
                     const std::function<void(const std::string&)>& onLine,
                     ChildInput* input = nullptr);

}  // namespace eac3to
