#include "engine/job_conditions.h"

#include "platform/fixed_text.h"

using platform::FixedView;

bool IsMkvJob(const Job& job) { return job.media == 6; }
bool Is3d(const Job& job) { return job.mode3d != 0; }
bool IsTextSubtitle(const Job& job) { return FixedView(job.subCodecId) == "S_TEXT/UTF8"; }
bool IsPgsSubtitle(const Job& job) { return FixedView(job.subCodecId) == "S_HDMV/PGS"; }
bool HasCodec(const Job& job, std::string_view videoCodec) { return FixedView(job.videoCodec) == videoCodec; }
bool HasAudioCodec(const Job& job, std::string_view id) { return FixedView(job.audioCodecId) == id; }

bool NeedsDemux(const Job& job) {
  return job.joinPlaylist != 0 || job.audioTarget != 0 || job.subMode == 3 || IsMkvJob(job) ||
         job.sourceIsMkv || job.resize720 == 2 || Is3d(job);
}

int StepCount(const Job& job) {
  if (job.videoCopy) return 2;
  return IsMkvJob(job) ? 3 : 4;
}

bool ExtractsVideo(const Job& job) {
  return job.joinPlaylist != 0 || (job.videoCopy && IsMkvJob(job)) || Is3d(job);
}

bool ExtractsAudio(const Job& job) {
  return job.audioTarget != 0 || job.joinPlaylist != 0 || IsMkvJob(job) || job.sourceIsMkv;
}

bool ExtractsSubtitle(const Job& job) {
  return job.subMode != 0 && (job.subMode == 3 || job.joinPlaylist != 0 || IsMkvJob(job) ||
                              job.sourceIsMkv || job.resize720 == 2 || Is3d(job));
}

bool NeedsBdSup2Sub(const Job& job) {
  if (job.subMode == 0) return false;
  const bool reshaped = job.resize720 != 0 || job.cropHeight != 0;
  return (reshaped && IsMkvJob(job) && IsPgsSubtitle(job)) || job.resize720 == 2;
}
