#pragma once
// The real program started as a user starts it: its own process, an
// environment the test chooses, standard output and error kept in files.

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "harness/temp_dir.h"

namespace test {

struct Program {
  pid_t pid = 0;
  std::string outFile, errFile;
  std::string Out() const { return ReadFile(outFile); }
  std::string Err() const { return ReadFile(errFile); }
};

// The environment of a user whose home, config and cache are in `dir`,
// with no display at all.
std::vector<std::string> UserEnvironment(const TempDir& dir);

// Starts `binary` with `args`; `env` entries replace or add variables of
// this process's environment ("NAME=value"), "NAME" alone removes one.
Program StartProgram(const std::string& binary, const std::vector<std::string>& args,
                     const std::vector<std::string>& env, const std::string& logStem);

// Waits up to `limit` for the end; its exit code, -100-signal when killed
// by a signal, -1000 when it did not end (it is then killed).
int WaitExit(pid_t pid, std::chrono::milliseconds limit);
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit);

}  // namespace test
