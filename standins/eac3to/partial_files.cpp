#include "partial_files.h"

#include "failure.h"

namespace eac3to {

PartialFiles::~PartialFiles() {
  std::error_code ignored;
  for (const auto& name : finals_) std::filesystem::remove(TemporaryName(name), ignored);
}

std::filesystem::path PartialFiles::TemporaryName(const std::filesystem::path& finalName) {
  return finalName.string() + ".partial";
}

std::filesystem::path PartialFiles::Add(const std::filesystem::path& finalName) {
  finals_.push_back(finalName);
  return TemporaryName(finalName);
}

void PartialFiles::Commit() {
  for (const auto& name : finals_) {
    std::error_code error;
    std::filesystem::rename(TemporaryName(name), name, error);
    if (error) throw Failure("\"" + name.string() + "\" can't be written: " + error.message() + ".");
  }
  finals_.clear();
}

}  // namespace eac3to
