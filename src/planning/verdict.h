#pragma once
// The one-line advice the planner shows under the targets, its colour,
// and whether it means that the video is copied untouched.

#include <string>

inline constexpr int kVerdictDarkGreen = 0x008000;
inline constexpr int kVerdictOrange = 0xFF9900;
inline constexpr int kVerdictDarkRed = 0x800000;
inline constexpr int kVerdictBlue = 0x0000FF;

struct Verdict {
  std::string text;
  int color = 0;
  bool copiesVideo = false;
};

// The source's video already runs below the planned bitrate.
Verdict SourceFitsVerdict(int sourceKbps);
// MKV targets: `crf` is the constant rate factor, 1 copies the video in 2D.
Verdict CrfVerdict(int crf, int stereoMode);
// Disc targets: a small picture (narrower than 1440 pixels, or resized to
// 720p) looks good at lower bitrates.
Verdict BitrateVerdict(int kbps, bool smallPicture);
