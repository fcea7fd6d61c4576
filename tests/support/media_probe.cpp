#include "media_probe.h"

#include <cstdlib>
#include <sstream>
#include <stdexcept>

#include "command_run.h"

namespace quandrell::test {
namespace {

std::string Ffprobe(const std::vector<std::string>& args, const std::filesystem::path& file) {
  std::vector<std::string> argv = {"ffprobe", "-v", "error"};
  argv.insert(argv.end(), args.begin(), args.end());
  argv.push_back(file.string());
  const CommandResult result = RunCommand(argv);
  if (result.exitCode != 0 || !result.errors.empty())
    throw std::runtime_error("ffprobe can't read " + file.string() + ": " + result.errors);
  return result.output;
}

ProbedStream ParseLine(const std::string& line) {
  ProbedStream stream;
  std::istringstream fields(line);
  for (std::string field; std::getline(fields, field, '|');) {
    const auto equals = field.find('=');
    if (equals != std::string::npos) stream.fields[field.substr(0, equals)] = field.substr(equals + 1);
  }
  return stream;
}

}  // namespace

std::string ProbedStream::Get(const std::string& key) const {
  const auto found = fields.find(key);
  return found == fields.end() ? "" : found->second;
}

long ProbedStream::Number(const std::string& key) const { return std::atol(Get(key).c_str()); }

std::vector<ProbedStream> ProbeStreams(const std::filesystem::path& file) {
  std::istringstream lines(
      Ffprobe({"-count_packets", "-show_streams", "-of", "compact=p=0"}, file));
  std::vector<ProbedStream> streams;
  for (std::string line; std::getline(lines, line);)
    if (!line.empty()) streams.push_back(ParseLine(line));
  return streams;
}

double ProbeDuration(const std::filesystem::path& file) {
  return std::atof(
      Ffprobe({"-show_entries", "format=duration", "-of", "default=nw=1:nk=1"}, file).c_str());
}

}  // namespace quandrell::test
