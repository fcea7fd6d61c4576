#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace quandrell::test {

// One stream as ffprobe reads it: every "key=value" of its compact output,
// e.g. "codec_name", "channels", "nb_read_packets", "tag:language".
struct ProbedStream {
  std::map<std::string, std::string> fields;

  std::string Get(const std::string& key) const;
  long Number(const std::string& key) const;  // 0 when absent
};

// The streams of a file, with their packets counted (nb_read_packets).
// Throws std::runtime_error when ffprobe can't read the file.
std::vector<ProbedStream> ProbeStreams(const std::filesystem::path& file);

// The file's duration in seconds, from its container.
double ProbeDuration(const std::filesystem::path& file);

}  // namespace quandrell::test
