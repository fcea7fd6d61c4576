#pragma once

#include <string>

#include "track.h"

namespace eac3to {

// The text of a listing entry after "N: ", e.g. "h264/AVC, 1080p24 /1.001 (16:9)"
// or "DTS Master Audio, English, 5.1 channels, 24 bits, 48kHz (core: DTS, 5.1
// channels, 1509kbps, 48kHz)".
std::string DescribeTrack(const Track& track);

// "5.1 channels", "2.0 channels".
std::string ChannelText(int channels, bool lfe);

// A frame rate the way eac3to writes it: "24" and " /1.001" for 24000/1001;
// interlaced material counts fields ("60" and " /1.001" for 30000/1001).
struct RateText {
  std::string number;
  std::string suffix;
};
RateText DescribeRate(int num, int den, bool interlaced);

}  // namespace eac3to
