// Steps of the composition that take the video: the picture size and
// x264 filter, the video fields and whether the video is copied.

#include <cmath>

#include "planning/media_index.h"
#include "platform/fixed_text.h"
#include "queue/job_composer.h"
#include "queue/picture_filter.h"
#include "queue/track_numbers.h"
#include "shell/app.h"
#include "uir_ids.h"

namespace {

constexpr const char* kOffSpecSize =
    "The video resolution should be 1080, 720, 576 or 480 to meet the specifications of Blu-Ray/AVCHD.\n\n"
    "Would you like to continue anyway?";
constexpr const char* kScanToCopy =
    "It is recommended to scan the video source to calculate the exact bitrate\n"
    "and make sure it fits in the destination media.\n\nWould you like to scan the bitrates before proceeding?";

bool StartsWith(const char (&field)[8], char c) { return field[0] == c; }

}  // namespace

bool JobComposer::SizePicture() {
  const VideoTrack& video = source_.video[videoIndex_];
  const bool resize = app_.advanced.advResize720 != 0;
  if (Mkv()) {
    if (app_.videoCopyChosen) {
      const std::string remux = app_.ui.GetLabelFromIndex(app_.mainPanel, PANEL_MEDIA, kMediaMkvRemux);
      if (!Put(job_.mediaLabel, remux, "media label")) return false;
    }
    platform::CopyFixed(job_.x264VideoFilter, MkvVideoFilter(video.width, resize, app_.advanced.advCropHeight));
    job_.videoWidth = video.width;
    job_.videoHeight = video.height;
    return true;
  }
  const AvchdPicture picture = AvchdPictureFor(video.width, video.height, resize);
  if (picture.offSpec && !app_.ui.ConfirmPopup("WARNING", kOffSpecSize)) return false;
  platform::CopyFixed(job_.x264VideoFilter, picture.filter);
  job_.videoWidth = picture.width;
  job_.videoHeight = picture.height;
  return true;
}

bool JobComposer::TakeVideo() {
  const VideoTrack& video = source_.video[videoIndex_];
  const bool interlaced = StartsWith(video.scanType, 'i');
  if (interlaced) platform::CopyFixed(job_.x264Interlace, " --tff");
  job_.videoStreamTrack = video.id;
  job_.frameCount = static_cast<int32_t>(std::trunc(video.frameCount));
  job_.x264UseLavf = interlaced && platform::FixedView(video.format) == "AVC";
  const int join = source_.joinPlaylist;
  if (join >= 1 && join <= kMaxPlaylists) {
    job_.joinPlaylist = join;
    platform::CopyFixed(job_.joinClips, platform::FixedView(source_.playlists[join].clips));
  }
  if (source_.chosenPlaylist != 0) job_.bdTitleNo = static_cast<int8_t>(source_.chosenPlaylist);
  job_.videoTrackNo = static_cast<int8_t>(VideoTrackNumber(source_));
  job_.sourceIsMkv = source_.sourceIsMkv ? 1 : 0;
  job_.mode3d = static_cast<int8_t>(source_.stereoMode);
  return Put(job_.fpsRational, platform::FixedView(video.frameRateFraction), "frame rate") &&
         Put(job_.fpsDecimal, platform::FixedView(video.frameRate), "frame rate") &&
         Put(job_.videoCodec, platform::FixedView(video.format), "video format");
}

// A copied video must fit the medium as it is: without a measured or
// nominal bitrate the user is offered the scan first.
bool JobComposer::DecideVideoCopy() {
  if (!app_.videoCopyChosen) return true;
  const bool needsRate = job_.media != kMediaMkv && job_.media != kMediaBdRemux && !source_.sourceIsMkv &&
                         !Scanned() && source_.video[videoIndex_].bitrateKbps == 0;
  if (needsRate && ScanFirst(kScanToCopy)) return false;
  job_.videoCopy = 1;
  return true;
}
