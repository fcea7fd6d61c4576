#pragma once
// Source tracks as the probe leaves them for common Blu-ray and MKV
// streams, for tests that need a source without making media.

#include <string>

#include "source/source_info.h"

namespace test {

// A two-hour film: 7,200,000 ms, 172,800 frames at 24 fps.
inline constexpr double kFilmMs = 7200000;
inline constexpr double kFilmFrames = 172800;

// AVC, progressive, 23.976 fps, id 4113, no bitrate known.
VideoTrack Video(int width, int height, double durationMs = kFilmMs, double frames = kFilmFrames);

AudioTrack Ac3(int kbps, const std::string& language = "eng");
// DTS-HD Master Audio with its DTS core.
AudioTrack DtsHdMa(int coreKbps = 1509, const std::string& language = "eng");
AudioTrack Pcm(const std::string& language = "eng");

// A subtitle track of this format ("PGS", "UTF-8", "VobSub"...).
SubtitleTrack Subtitle(const std::string& format, const std::string& language = "eng", int forcedCaptions = 0);

}  // namespace test
