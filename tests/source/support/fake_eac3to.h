#pragma once
// The fake eac3to (fakes/eac3to/eac3to) for one test: QUANDRELL_TOOLS_DIR
// points at it while the object lives, and it plays what the test gives.

#include <string>
#include <vector>

#include "harness/temp_dir.h"

namespace test {

class FakeEac3to {
 public:
  FakeEac3to();
  ~FakeEac3to();

  // The log of a folder listing, of a chapter run, of a file listing.
  void FolderLog(const std::string& text) const;
  void StreamsLog(const std::string& text) const;
  void FileLog(const std::string& text) const;
  void ChapterFile(const std::string& text) const;

  // The arguments of every call, program first.
  std::vector<std::vector<std::string>> Calls() const;
  // Where the fake lives, as the command lines name it.
  static std::string Program();

 private:
  TempDir dir_;
};

}  // namespace test
