#pragma once
// Text subtitle lines (S_TEXT/UTF8) are rendered to PGS files in a private
// temporary folder before muxing; the folder goes when this object does.

#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>

#include "meta_file.h"

namespace tsmuxer {

struct TextTrackError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class TextTracks {
 public:
  // Throws TextTrackError when a subtitle file cannot be rendered.
  explicit TextTracks(const MetaFile& meta);
  ~TextTracks();
  TextTracks(const TextTracks&) = delete;
  TextTracks& operator=(const TextTracks&) = delete;

  // The file to mux for a track: its rendering for a text line, else its own file.
  std::string inputOf(const TrackSpec& trackSpec) const;

 private:
  void removeFolder();
  std::filesystem::path folder_;
  std::map<std::string, std::string> rendered_;  // text file -> .sup
};

}  // namespace tsmuxer
