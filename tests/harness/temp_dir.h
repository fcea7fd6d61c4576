#pragma once
// A fresh folder for one test, removed afterwards.

#include <filesystem>
#include <string>

#include "command_run.h"
#include "temp_folder.h"

namespace test {

class TempDir : public quandrell::test::TempFolder {
 public:
  std::string operator/(const std::string& name) const { return (path() / name).string(); }
};

// Writes a whole file, making its folders; reads a whole file (empty when
// missing).
void WriteFile(const std::string& path, const std::string& content);
using quandrell::test::ReadFile;

}  // namespace test
