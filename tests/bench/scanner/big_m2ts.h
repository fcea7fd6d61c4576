#pragma once
// A large .m2ts for the scan benchmark: a short clip made with ffmpeg,
// repeated back to back (192-byte packets stay whole across the seams).

#include <cstdint>
#include <filesystem>

namespace bench {

class BigM2ts {
 public:
  // Writes `clip` again and again into `path` until it holds at least
  // `bytes`; the file goes with the object.
  BigM2ts(const std::filesystem::path& clip, std::filesystem::path path, uint64_t bytes);
  ~BigM2ts();
  BigM2ts(const BigM2ts&) = delete;
  BigM2ts& operator=(const BigM2ts&) = delete;

  const std::filesystem::path& path() const { return path_; }
  uint64_t size() const { return size_; }

 private:
  std::filesystem::path path_;
  uint64_t size_ = 0;
};

// Reads the file once, so that the runs that follow read it from the page cache.
void WarmPageCache(const std::filesystem::path& path);

}  // namespace bench
