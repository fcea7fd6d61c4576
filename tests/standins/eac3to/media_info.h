#pragma once

#include <filesystem>
#include <string>

namespace eac3to::test {

// libmediainfo through its C interface, loaded with dlopen the way the
// program loads it: the reference for the order of audio and subtitle tracks.
class MediaInfo {
 public:
  enum Kind { kGeneral = 0, kVideo = 1, kAudio = 2, kText = 3 };

  explicit MediaInfo(const std::filesystem::path& file);  // throws std::runtime_error
  ~MediaInfo();
  MediaInfo(const MediaInfo&) = delete;
  MediaInfo& operator=(const MediaInfo&) = delete;

  int Count(Kind kind) const;
  std::string Get(Kind kind, int index, const std::string& parameter) const;

 private:
  void* library_ = nullptr;
  void* handle_ = nullptr;
};

}  // namespace eac3to::test
