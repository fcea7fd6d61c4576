#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace eac3to {

// One "N: file [options]" entry: write track N to file.
struct TrackRequest {
  int number = 0;
  std::filesystem::path file;
  std::vector<std::string> options;  // as typed, e.g. "-640", "-core"

  bool Has(const std::string& option) const;  // case-insensitive
  std::optional<int> Bitrate() const;          // "-640" gives 640
};

struct CommandLine {
  std::filesystem::path source;
  int playlist = 0;  // "N)" selects a playlist of a Blu-ray folder; 0 when absent
  std::vector<TrackRequest> tracks;
  std::optional<std::filesystem::path> logFile;
  bool progressNumbers = false;
};

// The file named by "-log=", found before the rest is read, so that even a
// command line that can't be read gets its error into the log.
std::optional<std::filesystem::path> LogFileArgument(const std::vector<std::string>& args);

// Reads the arguments after the program name. Throws Failure on anything it
// does not understand, so that a typo never turns into a silent default.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

}  // namespace eac3to
