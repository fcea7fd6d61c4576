#pragma once
// Helpers shared by the fuzz targets: the input as text, as fields split
// at zero bytes, and as a file for readers that only take a path.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

inline std::string_view Text(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Up to `count` fields; missing ones are empty.
std::vector<std::string_view> Fields(std::string_view text, size_t count);

// A file of the fuzz input, removed when this goes.
class InputFile {
 public:
  InputFile(const uint8_t* data, size_t size, const char* suffix);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace fuzz
