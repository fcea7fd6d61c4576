#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

#include "temp_folder.h"

namespace quandrell::test {

// A program started the way Quandrell starts tools: argv as given (no shell),
// in a process group of its own, standard output and error into files.
class Command {
 public:
  explicit Command(const std::vector<std::string>& argv);
  ~Command();  // ends the whole group when it still runs
  Command(const Command&) = delete;
  Command& operator=(const Command&) = delete;

  // Sends a signal to the program's whole process group.
  void SignalGroup(int signal) const;
  // Waits for the end: the exit code, or 128 + the signal that ended it.
  int Wait();
  std::string Output() const;  // standard output so far
  std::string Errors() const;  // standard error so far

 private:
  pid_t pid_ = -1;
  bool done_ = false;
  int exitCode_ = -1;
  TempFolder folder_;  // holds the output files
};

struct CommandResult {
  int exitCode = -1;
  std::string output;
  std::string errors;
};

// Runs a program to its end.
CommandResult RunCommand(const std::vector<std::string>& argv);

// Reads a whole file; empty when it can't be read.
std::string ReadFile(const std::filesystem::path& file);

}  // namespace quandrell::test
