#include "engine/demux_labels.h"


#include "engine/job_conditions.h"

namespace {

const char* StereoText(const Job& job, const DemuxParts& parts) {
  const bool subs = job.subMode != 0;
  if (subs && parts.audio) return "Extract left/right eye raw video, audio and subs...";
  if (subs) return "Extract left/right eye raw video and subs...";
  if (parts.audio) return "Extract left/right eye raw video and audio...";
  return "Extract left/right eye raw video...";
}

// 2D texts by the parts carried and by J (joined playlist), R (recoded
// audio) and F (forced captions only), as the options read.
const char* PlainText(const DemuxParts& p, bool j, bool r, bool f) {
  if (!p.video && !p.audio) return f ? "Extract forced captions..." : "Extract subtitles...";
  if (!p.video && !p.subtitle) return r ? "Recode audio to AC3 %d..." : "Extract audio...";
  if (!p.video) {
    if (r) return f ? "Recode audio to AC3 %d and extract forced captions..." : "Recode audio to AC3 %d and extract subtitles...";
    return f ? "Extract audio and forced captions..." : "Extract audio and subtitles...";
  }
  if (!p.audio && !p.subtitle) return j ? "Join m2ts parts..." : "Extract video...";
  if (!p.audio) {
    if (j) return f ? "Join m2ts parts and extract forced captions..." : "Join m2ts parts and extract subtitles...";
    return f ? "Extract video and forced captions..." : "Extract video and subtitles...";
  }
  if (!p.subtitle) {
    if (j) return r ? "Join m2ts parts and recode audio to AC3 %d..." : "Join m2ts parts and extract audio...";
    return r ? "Extract video and recode audio to AC3 %d..." : "Extract video and audio...";
  }
  if (j && r) return f ? "Join m2ts parts, recode audio to AC3 %d and extract forced captions..."
                       : "Join m2ts parts, recode audio to AC3 %d and extract subtitles...";
  if (j) return f ? "Join m2ts parts, extract audio and forced captions..." : "Join m2ts parts, extract audio and subtitles...";
  if (r) return f ? "Extract video, recode audio to AC3 %d and extract forced captions..."
                  : "Extract video, recode audio to AC3 %d and extract subtitles...";
  return f ? "Extract video, audio and forced captions..." : "Extract video, audio and subtitles...";
}

// FLAC has no bitrate: its texts name the codec instead.
std::string ForTarget(std::string text, int audioTarget) {
  const std::string ac3 = "AC3 %d";
  if (auto at = text.find(ac3); at != std::string::npos) {
    std::string value = audioTarget == 2 ? "FLAC" : "AC3 " + std::to_string(audioTarget);
    text.replace(at, ac3.size(), value);
  }
  return text;
}

}  // namespace

std::string DemuxLabel(const Job& job, const DemuxParts& parts) {
  const char* text = Is3d(job) ? StereoText(job, parts)
                               : PlainText(parts, job.joinPlaylist != 0, job.audioTarget != 0, job.subMode == 3);
  return "[STEP 1/" + std::to_string(StepCount(job)) + " - EAC3TO PROCESS] " + ForTarget(text, job.audioTarget);
}
