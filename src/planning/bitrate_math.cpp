#include "planning/bitrate_math.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>

#include "platform/fixed_text.h"

namespace {

// The full rate a high-definition track usually runs at, by its profile;
// 0 when the profile says nothing.
int TypicalHdRate(const AudioTrack& track) {
  const std::string_view profile = platform::FixedView(track.profile);
  if (profile == "MA") return 3800;
  if (profile == "HRA") return 3018;
  if (profile == "TrueHD") return 3350;
  return 0;
}

// AC-3 at 448 and 576 kb/s packs worse when it is a DTS track's recode.
AudioRate TableRate(int kbps, bool dtsSource) {
  switch (kbps) {
    case 192: return {192, 422};
    case 224: return {224, 236};
    case 256: return {256, 280};
    case 320: return {320, 334};
    case 384: return {384, 244};
    case 448: return {448, dtsSource ? 376 : 172};
    case 512: return {512, 226};
    case 576: return {576, dtsSource ? 376 : 172};
    case 640: return {640, 216};
    case 754: case 768: return {754, 233};
    case 1235: case 1411: return {1235, 221};
    case 1509: case 1536: return {1509, 214};
    default: return {kbps, 216};
  }
}

AudioRate KeptHdRate(const AudioTrack& track) {
  if (track.hdBitrateKbps != 0) return {track.hdBitrateKbps, 294};
  if (track.scannedBitrateKbps != 0) return {track.scannedBitrateKbps, 0};
  const int typical = TypicalHdRate(track);
  return {typical != 0 ? typical : kAudioKeepHd, 294};
}

}  // namespace

AudioRate PlannedAudioRate(const AudioTrack& track, int audioTarget) {
  if (audioTarget == kAudioKeepHd) return KeptHdRate(track);
  const bool dtsSource = platform::FixedView(track.format) == "DTS";
  return TableRate(audioTarget == 0 ? track.bitrateKbps : audioTarget, dtsSource);
}

int ComputeVideoBitrate(double durationMs, double audioKbps, double overheadBits, double packetHeaderBits,
                        double frameOverheadBytes, double frameCount, double mediaBytes) {
  if (!(durationMs > 0)) return 0;
  const double total = 8 * mediaBytes;
  const double audio = durationMs * audioKbps;
  const double audioTs = audio + (audio / (1536 - overheadBits)) * overheadBits;
  const double packets = (total - audioTs) / 1536;
  const double rest = total - audioTs - packets * packetHeaderBits - (frameOverheadBytes * 8) * frameCount;
  constexpr double kLowest = std::numeric_limits<int>::min(), kHighest = std::numeric_limits<int>::max();
  return static_cast<int>(std::lround(std::clamp(rest / durationMs, kLowest, kHighest)));
}

int EstimateSourceVideoBitrate(const SourceInfo& source) {
  int e = source.general[0].overallBitrateKbps;
  e -= (9 * e) / 100;
  const int videos = source.videoCount < kMaxVideoTracks ? source.videoCount : kMaxVideoTracks;
  if (videos > 1) e -= 600 * (videos - 1);
  const int audios = source.audioCount < kMaxAudioTracks ? source.audioCount : kMaxAudioTracks;
  for (int i = 0; i < audios; ++i) {
    const AudioTrack& track = source.audio[i];
    if (!track.isHd) e -= track.bitrateKbps;
    else e -= track.hdBitrateKbps != 0 ? track.hdBitrateKbps : TypicalHdRate(track);
  }
  const int subtitles = source.subtitleCount < kMaxSubtitleTracks ? source.subtitleCount : kMaxSubtitleTracks;
  if (subtitles > 0) e -= 20 * subtitles;
  return e;
}
