#include "track_description.h"

#include <cstdio>
#include <numeric>
#include <vector>

#include "language_names.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace eac3to {
namespace {

std::string Join(const std::vector<std::string>& parts) {
  std::string text;
  for (const auto& part : parts) {
    if (part.empty()) continue;
    if (!text.empty()) text += ", ";
    text += part;
  }
  return text;
}

std::string VideoCodecName(const Track& track) {
  if (track.codec == "h264") return track.video.rightEye ? "h264/MVC" : "h264/AVC";
  if (track.codec == "hevc") return "h265/HEVC";
  if (track.codec == "vc1") return "VC-1";
  if (track.codec == "mpeg2video") return "MPEG2";
  if (track.codec == "mpeg1video") return "MPEG1";
  return track.codec;
}

std::string AspectText(const VideoFacts& video) {
  if (video.aspectNum <= 0 || video.aspectDen <= 0) return "";
  const int divisor = std::gcd(video.aspectNum, video.aspectDen);
  return " (" + std::to_string(video.aspectNum / divisor) + ":" +
         std::to_string(video.aspectDen / divisor) + ")";
}

std::string DescribeVideo(const Track& track) {
  const VideoFacts& v = track.video;
  const RateText rate = DescribeRate(v.rateNum, v.rateDen, v.interlaced);
  std::string format = std::to_string(v.height) + (v.interlaced ? "i" : "p") + rate.number +
                       rate.suffix + AspectText(v);
  if (v.rightEye) format += " (right eye)";
  return Join({VideoCodecName(track), format});
}

std::string DtsName(int profile) {
  switch (profile) {
    case FF_PROFILE_DTS_HD_MA: return "DTS Master Audio";
    case FF_PROFILE_DTS_HD_HRA: return "DTS Hi-Res";
    case FF_PROFILE_DTS_ES: return "DTS-ES";
    case FF_PROFILE_DTS_96_24: return "DTS 96/24";
    case FF_PROFILE_DTS_EXPRESS: return "DTS Express";
    default: return "DTS";
  }
}

std::string AudioCodecName(const Track& track) {
  const std::string& c = track.codec;
  if (c == "ac3") return "AC3";
  if (c == "eac3") return "E-AC3";
  if (c == "dts") return DtsName(track.profile);
  if (c == "truehd") return track.audio.core ? "TrueHD/AC3" : "TrueHD";
  if (c.rfind("pcm_", 0) == 0) return "LPCM";
  if (c == "flac" || c == "aac" || c == "mp2" || c == "mp3" || c == "mlp") {
    std::string upper = c;
    for (auto& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return upper;
  }
  return c;
}

std::string RateKhz(int sampleRate) {
  if (sampleRate <= 0) return "";
  if (sampleRate % 1000 == 0) return std::to_string(sampleRate / 1000) + "kHz";
  return std::to_string(sampleRate / 1000) + "." + std::to_string(sampleRate % 1000 / 100) +
         "kHz";
}

std::string DialnormText(const std::optional<int>& dialnorm) {
  return dialnorm ? "dialnorm: " + std::to_string(*dialnorm) + "dB" : "";
}

std::string KbpsText(int kbps) { return kbps > 0 ? std::to_string(kbps) + "kbps" : ""; }

std::string CoreText(const AudioCore& core) {
  const char* word = core.codec == "DTS" ? "core" : "embedded";
  return std::string(" (") + word + ": " +
         Join({core.codec, ChannelText(core.channels, core.lfe), KbpsText(core.kbps),
               RateKhz(core.sampleRate), DialnormText(core.dialnorm)}) +
         ")";
}

std::string DescribeAudio(const Track& track) {
  const AudioFacts& a = track.audio;
  const bool lossless = a.bits > 0;
  std::string text = Join({AudioCodecName(track), LanguageName(track.language),
                           ChannelText(a.channels, a.lfe),
                           lossless ? std::to_string(a.bits) + " bits" : "",
                           a.core ? "" : KbpsText(a.kbps), RateKhz(a.sampleRate),
                           DialnormText(a.dialnorm)});
  return a.core ? text + CoreText(*a.core) : text;
}

std::string SubtitleFormat(const std::string& codec) {
  if (codec == "hdmv_pgs_subtitle") return "PGS";
  if (codec == "hdmv_text_subtitle") return "TextST";
  if (codec == "subrip" || codec == "text") return "SRT";
  if (codec == "ass" || codec == "ssa") return "ASS";
  if (codec == "dvd_subtitle") return "VobSub";
  return codec;
}

std::string DescribeSubtitle(const Track& track) {
  return Join({"Subtitle (" + SubtitleFormat(track.codec) + ")", LanguageName(track.language),
               track.title.empty() ? "" : "\"" + track.title + "\""});
}

}  // namespace

std::string ChannelText(int channels, bool lfe) {
  if (channels <= 0) return "";
  const int main = lfe ? channels - 1 : channels;
  return std::to_string(main) + "." + (lfe ? "1" : "0") + " channels";
}

RateText DescribeRate(int num, int den, bool interlaced) {
  if (num <= 0 || den <= 0) return {};
  const int factor = interlaced ? 2 : 1;
  if (den == 1001) return {std::to_string(num * factor / 1000), " /1.001"};
  if (num % den == 0) return {std::to_string(num * factor / den), ""};
  char decimal[32];
  std::snprintf(decimal, sizeof decimal, "%.3f", static_cast<double>(num) * factor / den);
  return {decimal, ""};
}

std::string DescribeTrack(const Track& track) {
  switch (track.kind) {
    case TrackKind::Chapters:
      return "Chapters, " + std::to_string(track.chapterCount) +
             (track.chapterCount == 1 ? " chapter" : " chapters");
    case TrackKind::Video: return DescribeVideo(track);
    case TrackKind::Audio: return DescribeAudio(track);
    case TrackKind::Subtitle: return DescribeSubtitle(track);
  }
  return "";
}

}  // namespace eac3to
