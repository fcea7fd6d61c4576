#include "support/fake_eac3to.h"

#include <stdlib.h>

#include <sstream>

namespace test {

FakeEac3to::FakeEac3to() {
  setenv("QUANDRELL_TOOLS_DIR", QUANDRELL_FAKE_TOOLS_DIR, 1);
  setenv("FAKE_EAC3TO_DIR", dir_.path().c_str(), 1);
}

FakeEac3to::~FakeEac3to() {
  unsetenv("QUANDRELL_TOOLS_DIR");
  unsetenv("FAKE_EAC3TO_DIR");
}

void FakeEac3to::FolderLog(const std::string& text) const { WriteFile(dir_ / "folder.txt", text); }
void FakeEac3to::StreamsLog(const std::string& text) const { WriteFile(dir_ / "streams.txt", text); }
void FakeEac3to::FileLog(const std::string& text) const { WriteFile(dir_ / "file.txt", text); }
void FakeEac3to::ChapterFile(const std::string& text) const { WriteFile(dir_ / "cap.txt", text); }

std::vector<std::vector<std::string>> FakeEac3to::Calls() const {
  std::vector<std::vector<std::string>> calls;
  std::istringstream lines(ReadFile(dir_ / "calls.txt"));
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> args;
    for (size_t at = 0; at < line.size();) {
      const size_t end = line.find("][", at);
      const size_t stop = end == std::string::npos ? line.size() - 1 : end;
      args.push_back(line.substr(at + 1, stop - at - 1));
      at = stop + 1;
    }
    calls.push_back(args);
  }
  return calls;
}

std::string FakeEac3to::Program() { return std::string(QUANDRELL_FAKE_TOOLS_DIR) + "/eac3to/eac3to"; }

}  // namespace test
