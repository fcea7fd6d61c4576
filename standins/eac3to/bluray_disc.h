#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "playlist.h"
#include "track.h"

namespace eac3to {

// A decrypted Blu-ray folder read through libbluray. The folder may be the
// disc root or its BDMV folder.
class BlurayDisc {
 public:
  explicit BlurayDisc(const std::filesystem::path& folder);  // throws Failure

  std::vector<std::string> Listing() const { return ListPlaylists(playlists_); }

  // The playlist listed as number (1-based) with its tracks: chapters first
  // when it has any, then the streams of its first clip. Throws Failure.
  Source PlaylistSource(int number) const;

 private:
  std::filesystem::path root_;
  std::vector<Playlist> playlists_;
};

// The disc root of a folder that is the root or its BDMV folder; empty when
// the folder holds no BDMV/index.bdmv.
std::filesystem::path DiscRoot(const std::filesystem::path& folder);

}  // namespace eac3to
