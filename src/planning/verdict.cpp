#include "planning/verdict.h"

#include <cstdio>

namespace {

std::string Format(const char* format, int value) {
  char text[160];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

Verdict CrfQuality(int crf, const char* quality, int color) {
  return {Format("Info: The video is recoded using a CRF %d. The quality is ", crf) + quality, color};
}

Verdict RateQuality(int kbps, const char* quality, int color) {
  return {Format("Info: It's necessary to recode the video at %d Kbps. The quality is ", kbps) + quality, color};
}

}  // namespace

Verdict SourceFitsVerdict(int sourceKbps) {
  return {Format("Info: source bitrate (~%d Kbps) < target bitrate. Not need to recode video :)", sourceKbps),
          kVerdictBlue, true};
}

Verdict CrfVerdict(int crf, int stereoMode) {
  if (crf == 1 && stereoMode == 0)
    return {"Info: Not recode the video. Only remux the untouched video :)", kVerdictBlue, true};
  if (crf > 25) return CrfQuality(crf, "low :((", kVerdictDarkRed);
  if (crf > 22) return CrfQuality(crf, "regular-low :(", kVerdictDarkRed);
  if (crf > 20) return CrfQuality(crf, "regular :|", kVerdictOrange);
  if (crf > 19) return CrfQuality(crf, "good :)", kVerdictDarkGreen);
  if (crf == 0)
    return {"Info: The video is recoded using lossless compression (CRF 0). Quality is the best!!!", kVerdictBlue};
  return CrfQuality(crf, "very good :))", kVerdictDarkGreen);
}

Verdict BitrateVerdict(int kbps, bool smallPicture) {
  const int step = smallPicture ? 0 : 1500;
  if (kbps > 3500 + step) return RateQuality(kbps, "very good :))", kVerdictDarkGreen);
  if (kbps > 3000 + step) return RateQuality(kbps, "good :)", kVerdictDarkGreen);
  if (kbps > 2500 + step) return RateQuality(kbps, "regular :|", kVerdictOrange);
  if (kbps >= 2000 + step) return RateQuality(kbps, "regular-low :(", kVerdictDarkRed);
  return RateQuality(kbps, "low :((", kVerdictDarkRed);
}
