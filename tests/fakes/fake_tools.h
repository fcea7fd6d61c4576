#pragma once
// The fake tools laid out as the program looks for them, for one test:
// <dir>/eac3to/eac3to, <dir>/x264/x264, <dir>/tsmuxer/tsMuxeR,
// <dir>/mkvtoolnix/mkvmerge (through QUANDRELL_TOOLS_DIR) and java first
// on the PATH. Every run is recorded; the environment is restored at the end.

#include <string>
#include <vector>

#include "harness/temp_dir.h"

namespace test {

struct FakeRun {
  std::string tool;               // "eac3to", "x264", "tsMuxeR", "mkvmerge", "java"
  std::vector<std::string> argv;  // argv[0]: the path it was started by
};

class FakeTools {
 public:
  FakeTools();
  ~FakeTools();
  FakeTools(const FakeTools&) = delete;
  FakeTools& operator=(const FakeTools&) = delete;

  // Steers the fake (see fake_tool.cpp): Set("X264_EXIT", "3") sets
  // FAKE_X264_EXIT for the runs that follow.
  void Set(const std::string& name, const std::string& value);
  // The runs so far, oldest first.
  std::vector<FakeRun> Runs() const;
  // The path the program resolves a tool to ("x264/x264").
  std::string ToolPath(const std::string& relative) const { return dir_ / relative; }

 private:
  TempDir dir_;
  std::string savedPath_;
  std::vector<std::string> setNames_;
};

}  // namespace test
