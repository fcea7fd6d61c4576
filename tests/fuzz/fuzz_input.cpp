#include "fuzz_input.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>

namespace fuzz {

std::vector<std::string_view> Fields(std::string_view text, size_t count) {
  std::vector<std::string_view> fields;
  while (fields.size() + 1 < count) {
    const size_t end = text.find('\0');
    if (end == std::string_view::npos) break;
    fields.push_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  fields.push_back(text);
  fields.resize(count);
  return fields;
}

InputFile::InputFile(const uint8_t* data, size_t size, const char* suffix) {
  path_ = (std::filesystem::temp_directory_path() / ("quandrell-fuzz-" + std::to_string(getpid()) + suffix)).string();
  if (std::FILE* file = std::fopen(path_.c_str(), "wb")) {
    if (size) std::fwrite(data, 1, size, file);
    std::fclose(file);
  }
}

InputFile::~InputFile() { std::remove(path_.c_str()); }

}  // namespace fuzz
