#include "big_m2ts.h"

#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "media_fixtures.h"

namespace bench {

BigM2ts::BigM2ts(std::filesystem::path path, uint64_t bytes) : path_(std::move(path)) {
  std::ifstream clipFile(quandrell::test::M2tsClip(), std::ios::binary);
  const std::vector<char> clip((std::istreambuf_iterator<char>(clipFile)), std::istreambuf_iterator<char>());
  if (clip.empty()) throw std::runtime_error("the test clip could not be made");
  std::ofstream out(path_, std::ios::binary | std::ios::trunc);
  while (size_ < bytes && out.write(clip.data(), static_cast<std::streamsize>(clip.size())))
    size_ += clip.size();
  if (!out.flush()) {
    std::filesystem::remove(path_);
    throw std::runtime_error("cannot write " + path_.string());
  }
}

BigM2ts::~BigM2ts() {
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}

void WarmPageCache(const std::filesystem::path& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  std::vector<char> buffer(1 << 20);
  while (read(fd, buffer.data(), buffer.size()) > 0) {
  }
  close(fd);
}

}  // namespace bench
