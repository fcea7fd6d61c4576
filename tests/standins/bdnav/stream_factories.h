#pragma once
// The streams of the test clips: H.264 1080p at 23.976 on 0x1011, AC-3 on
// 0x1100, PGS on 0x1200.

#include "bdnav/nav_types.h"

inline bdnav::Stream video() {
  bdnav::Stream s;
  s.pid = 0x1011;
  s.coding = bdnav::CodingType::H264;
  s.format = bdnav::video_format::p1080;
  s.rate = bdnav::frame_rate::r23976;
  return s;
}

inline bdnav::Stream audio(uint8_t format, const char* language) {
  bdnav::Stream s;
  s.pid = 0x1100;
  s.coding = bdnav::CodingType::Ac3;
  s.format = format;
  s.rate = bdnav::sample_rate::k48;
  s.language = language;
  return s;
}

inline bdnav::Stream subtitles(const char* language) {
  bdnav::Stream s;
  s.pid = 0x1200;
  s.coding = bdnav::CodingType::Pgs;
  s.language = language;
  return s;
}
