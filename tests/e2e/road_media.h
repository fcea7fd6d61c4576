#pragma once
// Sources of the end-to-end roads beyond the shared fixtures, made with
// FFmpeg from the shared 10-second clip and cached like them.

#include <filesystem>
#include <vector>

namespace e2e {

// The clip with its English 5.1 track as Blu-ray LPCM (16 bits) on 0x1100:
// the kind of track for which the program offers FLAC in a Matroska file.
std::filesystem::path LpcmClip();

// One caption of the PGS track below, on the 1920x1080 picture.
struct Caption {
  double show, clear;  // seconds
  int x, y, width, height;
  bool forced;
};
const std::vector<Caption>& ClipCaptions();
int ForcedCaptionCount();

// The clip with a PGS track "eng" on 0x1200 holding ClipCaptions(),
// forced and unforced ones, some reaching past 1280x720.
std::filesystem::path ClipWithForcedCaptions();

}  // namespace e2e
