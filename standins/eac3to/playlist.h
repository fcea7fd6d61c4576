#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace eac3to {

struct ClipRef {
  std::string id;  // "00001", the .m2ts file name
  std::int64_t inTime = 0, outTime = 0;  // 90 kHz timestamps within the clip
};

// One playlist (.mpls) of a Blu-ray folder, as libbluray reads it.
struct Playlist {
  unsigned mpls = 0;  // file number: 800 for 00800.mpls
  std::int64_t durationMs = 0;
  std::vector<ClipRef> clips;
  std::vector<std::int64_t> chaptersMs;  // from the playlist's start
  std::map<int, std::string> languages;  // ISO 639-2 code by PID
};

// The disc listing: for each playlist "N) 00800.mpls, 00001.m2ts, 1:52:10",
// or, for several clips, "N) 00801.mpls, 1:52:10" with "   [00001+00002].m2ts"
// on the next line.
std::vector<std::string> ListPlaylists(const std::vector<Playlist>& playlists);

// Longest first, then by file number; duplicates and very short playlists
// are left to libbluray's filter. At most 15 are kept.
void OrderPlaylists(std::vector<Playlist>& playlists);

}  // namespace eac3to
