#pragma once
// The picture the x264 encode makes: its size and the x264 video filter
// that pads, crops or resizes the source picture.

#include <string>

struct AvchdPicture {
  std::string filter;  // "" or a " --vf \"...\"" option
  int width = 0;
  int height = 0;
  bool offSpec = false;  // not a Blu-ray/AVCHD size: the user is asked first
};

// AVCHD: a 1920- or 1440-pixel picture becomes 1080 lines high (padded)
// or 720p when resized; a 1280-pixel one 720 lines; 720 stays as it is.
AvchdPicture AvchdPictureFor(int width, int height, bool resize720);

// MKV: black bars cropped to `cropHeight` lines (0: none), centred, and/or
// a 1920-pixel picture resized to 1280 wide.
std::string MkvVideoFilter(int width, bool resize720, int cropHeight);
