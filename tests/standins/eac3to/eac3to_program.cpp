#include "eac3to_program.h"

#include <unistd.h>

#include <cstdlib>
#include <sstream>

#include "command_run.h"

namespace eac3to::test {

std::string Eac3toProgram() { return EAC3TO_PROGRAM; }

Eac3toResult RunEac3to(const std::vector<std::string>& args,
                       const quandrell::test::TempFolder& folder) {
  std::vector<std::string> argv = {Eac3toProgram()};
  argv.insert(argv.end(), args.begin(), args.end());
  const auto log = folder / "log.txt";
  argv.push_back("-log=" + log.string());
  const auto result = quandrell::test::RunCommand(argv);
  return {result.exitCode, result.output, quandrell::test::ReadFile(log)};
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<double> CaptionTimes(const std::filesystem::path& sup) {
  std::vector<double> times;
  for (const auto& line : Lines(quandrell::test::RunCommand(
                                    {"ffprobe", "-v", "error", "-show_entries", "packet=pts_time",
                                     "-of", "csv=p=0", sup.string()})
                                    .output))
    if (times.empty() || std::stod(line) - times.back() > 0.5) times.push_back(std::stod(line));
  return times;
}

std::string DecodeErrors(const std::filesystem::path& file) {
  return quandrell::test::RunCommand(
             {"ffmpeg", "-nostdin", "-v", "error", "-i", file.string(), "-map", "0:v:0", "-f", "null", "-"})
      .errors;
}

std::optional<std::filesystem::path> RealTsMuxer() {
  const char* chosen = std::getenv("QUANDRELL_REAL_TSMUXER");
  const std::filesystem::path tool = chosen && *chosen ? chosen : REAL_TSMUXER;
  std::error_code error;
  if (!std::filesystem::is_regular_file(tool, error) || access(tool.c_str(), X_OK) != 0) return std::nullopt;
  return tool;
}

}  // namespace eac3to::test
