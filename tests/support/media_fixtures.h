#pragma once

#include <filesystem>

namespace quandrell::test {

// Test media, made with the ffmpeg program on first use and cached for the
// whole test run (see media_cache.h). Cheap to make: test pattern and tones,
// x264 "ultrafast".

// The video of every fixture: 1920x1080 H.264, 24000/1001 fps, 10 s.
inline constexpr int kClipFrames = 240;
inline constexpr int kClipSeconds = 10;

// An .m2ts with 192-byte packets: video on PID 0x1011, AC-3 5.1 448 kb/s
// "eng" on 0x1100, AC-3 2.0 192 kb/s "spa" on 0x1101.
std::filesystem::path M2tsClip();

// A Matroska file: the clip's video and both AC-3 tracks, an SRT subtitle
// ("eng", two captions) and three chapters at 0, 4 and 8 seconds named
// "Opening", "Middle" and "End".
std::filesystem::path MatroskaWithChapters();

}  // namespace quandrell::test
