#include "temp_folder.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace quandrell::test {

TempFolder::TempFolder() {
  std::string name = (std::filesystem::temp_directory_path() / "quandrell-test-XXXXXX").string();
  if (!mkdtemp(name.data())) throw std::runtime_error("no temporary folder");
  path_ = name;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace quandrell::test
