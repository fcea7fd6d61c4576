#include "queue/picture_filter.h"

#include <cstdio>

AvchdPicture AvchdPictureFor(int width, int height, bool resize720) {
  if (width == 1920 || width == 1440) {
    if (height < 1080)
      return resize720 ? AvchdPicture{" --vf \"pad:,,,,,1080/resize:1280,720\"", 1280, 720}
                       : AvchdPicture{" --vf \"pad:,,,,,1080\"", width, 1080};
    return resize720 ? AvchdPicture{" --vf \"resize:1280,720\"", 1280, 720} : AvchdPicture{"", width, 1080};
  }
  if (width == 1280) return {height < 720 ? " --vf \"pad:,,,,,720\"" : "", width, 720};
  return {"", width, height, width != 720};
}

std::string MkvVideoFilter(int width, bool resize720, int cropHeight) {
  if (cropHeight == 0)
    return width == 1920 && resize720 ? " --vf \"resize:1280,,,fittobox=width\"" : "";
  const int bar = (1080 - cropHeight) / 2;
  char filter[80];
  std::snprintf(filter, sizeof filter,
                resize720 ? " --vf \"crop:0,%d,0,%d/resize:1280,,,fittobox=width\"" : " --vf \"crop:0,%d,0,%d\"",
                bar, bar);
  return filter;
}
