#include "clip_streams.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tsmuxer {

namespace {

bool interlaced(const ProbedStream& s) { return !s.fieldOrder.empty() && s.fieldOrder != "progressive" && s.fieldOrder != "unknown"; }

double rateOf(const std::string& fraction) {
  const size_t slash = fraction.find('/');
  const double num = std::atof(fraction.c_str());
  const double den = slash == std::string::npos ? 1 : std::atof(fraction.c_str() + slash + 1);
  return den > 0 ? num / den : 0;
}

void describe(bdnav::Stream& out, const PlannedTrack& t) {
  out.language = t.trackSpec.language;
  switch (bdnav::kindOf(out.coding)) {
    case bdnav::StreamKind::Video:
      out.format = videoFormatCode(t.stream);
      out.rate = frameRateCode(t.stream);
      out.aspect = t.stream.height < 720 && t.stream.displayAspect == "4:3" ? bdnav::aspect::r4x3 : bdnav::aspect::r16x9;
      break;
    case bdnav::StreamKind::Audio: {
      const int channels = t.conversion == AudioConversion::ToAc3 ? std::min(t.stream.channels, 6) : t.stream.channels;
      out.format = audioFormatCode(channels);
      out.rate = sampleRateCode(t.stream.sampleRate);
      break;
    }
    default:
      break;
  }
}

}  // namespace

uint8_t videoFormatCode(const ProbedStream& s) {
  const bool i = interlaced(s);
  if (s.height > 720) return i ? bdnav::video_format::i1080 : bdnav::video_format::p1080;
  if (s.height > 576) return bdnav::video_format::p720;
  if (s.height > 480) return i ? bdnav::video_format::i576 : bdnav::video_format::p576;
  return i ? bdnav::video_format::i480 : bdnav::video_format::p480;
}

// Interlaced streams may report their field rate; the disc wants frames.
uint8_t frameRateCode(const ProbedStream& s) {
  double rate = rateOf(s.frameRate);
  if (interlaced(s) && rate > 48) rate /= 2;
  struct Code {
    double rate;
    uint8_t code;
  };
  static const Code codes[] = {{24000.0 / 1001, bdnav::frame_rate::r23976}, {24, bdnav::frame_rate::r24},
                               {25, bdnav::frame_rate::r25},  {30000.0 / 1001, bdnav::frame_rate::r29970},
                               {50, bdnav::frame_rate::r50},  {60000.0 / 1001, bdnav::frame_rate::r59940}};
  const auto nearest = std::min_element(std::begin(codes), std::end(codes), [&](const Code& a, const Code& b) {
    return std::fabs(a.rate - rate) < std::fabs(b.rate - rate);
  });
  return nearest->code;
}

uint8_t audioFormatCode(int channels) {
  if (channels <= 1) return bdnav::audio_format::mono;
  return channels == 2 ? bdnav::audio_format::stereo : bdnav::audio_format::multichannel;
}

uint8_t sampleRateCode(int sampleRate) {
  if (sampleRate >= 192000) return bdnav::sample_rate::k192;
  return sampleRate >= 96000 ? bdnav::sample_rate::k96 : bdnav::sample_rate::k48;
}

std::vector<bdnav::Stream> clipStreams(const bdnav::M2tsScan& scan, const MuxPlan& plan) {
  std::vector<bdnav::Stream> streams;
  for (const bdnav::ScannedStream& s : scan.streams) {
    bdnav::Stream out;
    out.pid = s.pid;
    if (!bdnav::codingFromStreamType(s.streamType, out.coding)) continue;
    const auto track = std::find_if(plan.tracks.begin(), plan.tracks.end(),
                                    [&](const PlannedTrack& t) { return t.pid == s.pid; });
    if (track != plan.tracks.end()) describe(out, *track);
    streams.push_back(out);
  }
  return streams;
}

}  // namespace tsmuxer
