#include "support/source_tracks.h"

#include "platform/fixed_text.h"

namespace test {

using platform::CopyFixed;

VideoTrack Video(int width, int height, double durationMs, double frames) {
  VideoTrack video{};
  video.id = 4113;
  video.width = width;
  video.height = height;
  video.durationMs = durationMs;
  video.frameCount = frames;
  CopyFixed(video.durationText, "2:00:00");
  CopyFixed(video.frameRate, "23.976");
  CopyFixed(video.frameRateFraction, "24000/1001");
  CopyFixed(video.frameRateText, "23.976 fps");
  CopyFixed(video.scanType, "p");
  CopyFixed(video.format, "AVC");
  CopyFixed(video.aspectRatio, "16:9");
  return video;
}

namespace {

AudioTrack Audio(const char* format, int kbps, const std::string& language) {
  AudioTrack audio{};
  audio.id = 4352;
  audio.bitrateKbps = kbps;
  CopyFixed(audio.format, format);
  CopyFixed(audio.language, language);
  CopyFixed(audio.channels, "6 ch");
  CopyFixed(audio.samplingRate, "48.0 KHz");
  return audio;
}

}  // namespace

AudioTrack Ac3(int kbps, const std::string& language) { return Audio("AC-3", kbps, language); }

AudioTrack DtsHdMa(int coreKbps, const std::string& language) {
  AudioTrack audio = Audio("DTS", coreKbps, language);
  audio.isHd = 1;
  CopyFixed(audio.profile, "MA");
  CopyFixed(audio.resolution, "24 bits");
  return audio;
}

AudioTrack Pcm(const std::string& language) {
  AudioTrack audio = Audio("PCM", 4608, language);
  CopyFixed(audio.resolution, "24 bits");
  return audio;
}

SubtitleTrack Subtitle(const std::string& format, const std::string& language, int forcedCaptions) {
  SubtitleTrack subtitle{};
  subtitle.id = 4608;
  subtitle.forcedCaptions = forcedCaptions;
  CopyFixed(subtitle.format, format);
  CopyFixed(subtitle.language, language);
  return subtitle;
}

}  // namespace test
