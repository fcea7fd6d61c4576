#include "big_m2ts.h"

#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace bench {

BigM2ts::BigM2ts(const std::filesystem::path& clip, std::filesystem::path path, uint64_t bytes)
    : path_(std::move(path)) {
  std::ifstream clipFile(clip, std::ios::binary);
  const std::vector<char> bytesOfClip((std::istreambuf_iterator<char>(clipFile)), std::istreambuf_iterator<char>());
  if (bytesOfClip.empty()) throw std::runtime_error("cannot read the clip " + clip.string());
  std::ofstream out(path_, std::ios::binary | std::ios::trunc);
  while (size_ < bytes && out.write(bytesOfClip.data(), static_cast<std::streamsize>(bytesOfClip.size())))
    size_ += bytesOfClip.size();
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
