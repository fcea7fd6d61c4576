#pragma once
// libmediainfo through its plain C interface in its narrow-string form,
// loaded on demand: every open file holds the library, which is unloaded
// when the last one closes.

#include <cstddef>
#include <string>

enum MediaStreamKind { kGeneralStream = 0, kVideoStream = 1, kAudioStream = 2, kTextStream = 3, kMenuStream = 6 };

class MediaInfoFile {
 public:
  // Loads the library, creates a handle and opens the file; IsOpen() says
  // whether all of that worked.
  explicit MediaInfoFile(const std::string& path);
  ~MediaInfoFile();
  MediaInfoFile(const MediaInfoFile&) = delete;
  MediaInfoFile& operator=(const MediaInfoFile&) = delete;

  bool IsOpen() const { return open_; }
  // The text of a named parameter of a stream (empty when unknown).
  std::string Get(MediaStreamKind kind, size_t stream, const char* parameter) const;
  // The name of the parameter at a position of a stream.
  std::string NameAt(MediaStreamKind kind, size_t stream, size_t position) const;

 private:
  void* handle_ = nullptr;
  bool loaded_ = false;
  bool open_ = false;
};

// How many open files hold the library now (0: it is unloaded).
int MediaInfoUseCount();
