#pragma once

#include <filesystem>

namespace quandrell::test {

// Blu-ray folders made the way users' discs are: x264 "medium" video
// (B-frames, open GOP, a key frame every second), AC-3 5.1 "eng" on 0x1100
// and the PgsCaptions() as PGS "eng" on 0x1200 shown 1 s after the picture
// starts, muxed by ffmpeg and authored with the bdnav writer. Each holds one
// playlist, 00001.mpls, with a chapter at its start. Cached like all media.

// 1280x720p at 24000/1001, 6 seconds (144 pictures), one clip.
std::filesystem::path SingleClipDisc();

// 8 seconds of the same picture split at the key frame after 4 s into two
// clips on one clock; the playlist joins them seamlessly (the second item's
// in time is the first one's out time), the way authoring tools split a film.
std::filesystem::path SplitClipDisc();

// 1440x1080i at 30000/1001, top field first, 6 seconds (180 pictures), one clip.
std::filesystem::path InterlacedDisc();

// The transport stream SplitClipDisc() was cut from.
std::filesystem::path SplitClipSource();

// Authors a Blu-ray folder at root from a BDAV stream of progressive H.264
// at 24000/1001 (1280x720 or 1920x1080) and AC-3 5.1: the stream split at the
// key frame after splitSeconds into two clips joined seamlessly by 00001.mpls.
void AuthorSplitDisc(const std::filesystem::path& stream, double splitSeconds, bool fullHd,
                     const std::filesystem::path& root);

}  // namespace quandrell::test
