#pragma once

#include <filesystem>

namespace quandrell::test {

// A small decrypted Blu-ray folder (the disc root, holding BDMV), authored
// with the bdnav writer from ffmpeg-made clips and cached like the other media:
//   STREAM/00001.m2ts  the M2tsClip() (10 s: video 0x1011, AC-3 "eng" 0x1100, "spa" 0x1101)
//                      with the PgsCaptions() added as PGS "eng" on 0x1200, shown at 1 s
//   STREAM/00002.m2ts  its first 5 seconds (the caption again at 1 s)
//   PLAYLIST/00001.mpls  clip 00001, chapters at 0 and 4 s
//   PLAYLIST/00002.mpls  clips 00001 and 00002 (about 15 s), chapters at the start of each
std::filesystem::path BlurayFolder();

// Durations of the folder's playlists, in seconds.
inline constexpr double kSingleClipPlaylistSeconds = 10.0;
inline constexpr double kTwoClipPlaylistSeconds = 15.0;

}  // namespace quandrell::test
