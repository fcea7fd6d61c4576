#pragma once

#include <filesystem>
#include <vector>

namespace eac3to {

// Output files are written under a temporary name beside their final one and
// renamed only when the whole run succeeded, so that a stopped or failed run
// never leaves a file that a later run would take for a finished one.
class PartialFiles {
 public:
  PartialFiles() = default;
  PartialFiles(const PartialFiles&) = delete;
  PartialFiles& operator=(const PartialFiles&) = delete;
  ~PartialFiles();  // removes every file not committed

  // The temporary name to write instead of finalName.
  std::filesystem::path Add(const std::filesystem::path& finalName);
  // Renames every temporary file to its final name. Throws Failure.
  void Commit();

  static std::filesystem::path TemporaryName(const std::filesystem::path& finalName);

 private:
  std::vector<std::filesystem::path> finals_;
};

}  // namespace eac3to
