#include "eac3to_program.h"

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

}  // namespace eac3to::test
