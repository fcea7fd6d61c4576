#include "fakes/fake_tools.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace test {

namespace fs = std::filesystem;

FakeTools::FakeTools() {
  for (const char* link : {"eac3to/eac3to", "x264/x264", "tsmuxer/tsMuxeR", "mkvtoolnix/mkvmerge", "bin/java"}) {
    const fs::path path = dir_.path() / link;
    fs::create_directories(path.parent_path());
    fs::create_symlink(QUANDRELL_FAKE_TOOL, path);
  }
  fs::create_directories(dir_.path() / "runs");
  setenv("QUANDRELL_TOOLS_DIR", dir_.path().c_str(), 1);
  const char* path = getenv("PATH");
  savedPath_ = path ? path : "";
  setenv("PATH", ((dir_ / "bin") + ":" + savedPath_).c_str(), 1);
  Set("TOOL_RECORD_DIR", dir_ / "runs");
}

FakeTools::~FakeTools() {
  for (const auto& name : setNames_) unsetenv(name.c_str());
  unsetenv("QUANDRELL_TOOLS_DIR");
  setenv("PATH", savedPath_.c_str(), 1);
}

void FakeTools::Set(const std::string& name, const std::string& value) {
  setenv(("FAKE_" + name).c_str(), value.c_str(), 1);
  setNames_.push_back("FAKE_" + name);
}

std::vector<FakeRun> FakeTools::Runs() const {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(dir_.path() / "runs")) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  std::vector<FakeRun> runs;
  for (const auto& file : files) {
    FakeRun run;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) run.argv.push_back(line);
    if (!run.argv.empty()) run.tool = fs::path(run.argv[0]).filename().string();
    runs.push_back(run);
  }
  return runs;
}

}  // namespace test
