#pragma once

#include <string>
#include <vector>

#include "temp_folder.h"

namespace eac3to::test {

struct Eac3toResult {
  int exitCode = -1;
  std::string output;  // standard output
  std::string log;     // the file named by -log=
};

// Runs the built stand-in with args followed by "-log=<folder>/log.txt".
Eac3toResult RunEac3to(const std::vector<std::string>& args,
                       const quandrell::test::TempFolder& folder);

// The stand-in's own program file.
std::string Eac3toProgram();

// The lines of a text, without their line ends.
std::vector<std::string> Lines(const std::string& text);

}  // namespace eac3to::test
