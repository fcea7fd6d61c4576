#pragma once

#include <filesystem>
#include <optional>
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

// Presentation times of the display sets of a .sup file, in seconds.
std::vector<double> CaptionTimes(const std::filesystem::path& sup);

// What ffmpeg complains of while decoding a file's first video; empty when
// every picture decodes.
std::string DecodeErrors(const std::filesystem::path& file);

// The real tsMuxeR, when this machine has it (QUANDRELL_REAL_TSMUXER, else
// the shared tools beside the source tree): the oracle some tests compare with.
std::optional<std::filesystem::path> RealTsMuxer();

}  // namespace eac3to::test
