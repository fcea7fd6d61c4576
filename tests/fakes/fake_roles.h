#pragma once
// What each tool the fake plays writes and prints. A role first writes
// its outputs as partial files, then `Pause` (the sleep a test asked
// for), then completes them when the run is to succeed.

#include <functional>
#include <string>
#include <vector>

namespace fake {

using Args = std::vector<std::string>;  // without the program name

struct Run {
  Args args;
  int exitCode = 0;
  std::function<void()> pause;
};

int PlayEac3to(const Run& run);
int PlayX264(const Run& run);
int PlayTsMuxer(const Run& run);
int PlayMkvMerge(const Run& run);
int PlayJava(const Run& run);

void WriteFile(const std::string& path, const std::string& content);
bool Exists(const std::string& path);
// The argument after `option`, or empty.
std::string OptionValue(const Args& args, const std::string& option);

}  // namespace fake
