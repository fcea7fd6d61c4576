#include "queue/job_lines.h"

#include <cstdio>
#include <cstdlib>

#include "platform/fixed_text.h"
#include "platform/format_text.h"

namespace {

using platform::FixedText;
using platform::FormatText;

std::string RateText(const Job& j) {
  return j.media == 6 ? FormatText("CRF %d", j.videoBitrate) : FormatText("%d Kbps", j.videoBitrate);
}

std::string CropText(const Job& j) {
  if (j.cropHeight != 0)
    return FormatText(" / crop %d", j.cropHeight) + (j.resize720 != 0 ? " + resize 720p" : "");
  return j.resize720 != 0 ? " / resize 720p" : "";
}

std::string ThreeDText(const Job& j) { return j.mode3d != 0 ? " / 3D MVC" : ""; }

std::string ThreeDTargetText(const Job& j) {
  if (j.mode3d == 1) return " / 3D SBS";
  if (j.mode3d == 2) return " / 3D SBS REV.";
  return ThreeDText(j);
}

std::string SourceLine(const Job& j) {
  return FormatText("Source: %s", FixedText(j.joinPlaylist != 0 ? j.sourceBdFolder : j.sourceFile).c_str());
}

std::string VideoLine(const Job& j) {
  return FormatText("Video: %s / %s fps / %d frames%s", FixedText(j.videoCodec).c_str(),
                FixedText(j.fpsDecimal).c_str(), j.frameCount, ThreeDText(j).c_str());
}

std::string TargetVideoLine(const Job& j) {
  const std::string media = FixedText(j.mediaLabel);
  if (j.videoCopy != 0) return FormatText("Target video: untouched / %s", media.c_str());
  const std::string extra = FixedText(j.x264ExtraOptions);
  const std::string head = FormatText("Target video: AVC / %s / %s / tune %s / preset %s", media.c_str(),
                                  RateText(j).c_str(), FixedText(j.x264Tune).c_str(),
                                  FixedText(j.x264Preset).c_str());
  return head + (extra.empty() ? "" : " / " + extra) + CropText(j) + ThreeDTargetText(j);
}

std::string AudioLine(const Job& j) {
  return FormatText("Audio: %s / track %d / %s", FixedText(j.audioCodecId).c_str(), j.audioStreamTrack,
                FixedText(j.audioLang).c_str());
}

std::string TargetAudioLine(const Job& j) {
  const std::string bitrate = FixedText(j.audioBitrateText);
  if (j.audioTarget == 2) return "Target audio: recode to FLAC (lossless)";
  if (j.audioTarget != 0) return FormatText("Target audio: recode to AC3 %d Kbps", j.audioTarget);
  if (j.audioKeepHd != 0)
    return std::atoi(bitrate.c_str()) != 0
               ? FormatText("Target audio: untouched HD track ~%s Kbps", bitrate.c_str())
               : "Target audio: untouched HD track";
  if (j.audioCoreOnly != 0) return FormatText("Target audio: downconvert to Core %s Kbps", bitrate.c_str());
  return FormatText("Target audio: untouched %s Kbps", bitrate.c_str());
}

std::string SubtitleLine(const Job& j) {
  if (j.subMode == 0) return "Subtitle: none";
  const std::string head = FormatText("Subtitle: %s / track %d / %s", FixedText(j.subCodecId).c_str(),
                                  j.subStreamTrack, FixedText(j.subLang).c_str());
  if (j.subMode == 2) return head + " / mark as forced";
  if (j.subMode == 3) return head + " / extract only forced captions";
  return head;
}

}  // namespace

std::string StateLabel(int32_t state) {
  switch (state) {
    case JobPending: return "[PENDING]          ";
    case JobStopped: return "[STOPPED]          ";
    case JobDemuxing: return "[EAC3TO PROCESS]   ";
    case JobX264Pass1: return "[X264 PASS 1]      ";
    case JobX264Pass2: return "[X264 PASS 2]      ";
    case JobX264Crf: return "[X264 CRF]         ";
    case JobTsMuxer: return "[TSMUXER PROCESS]  ";
    case JobMkvMerge: return "[MKVMERGE PROCESS] ";
    case JobFinished: return "[FINISHED]         ";
    case JobCanceled: return "[CANCELED]         ";
    case JobFailed: return "[FAILED]           ";
    default: return "";
  }
}

std::string JobLine(const Job& job) {
  const std::string media = FixedText(job.mediaLabel);
  const std::string summary =
      job.videoCopy != 0 ? FormatText(" (%s)", media.c_str())
                         : FormatText(" (%s / %s / %s)", media.c_str(), RateText(job).c_str(),
                                  FixedText(job.x264Preset).c_str());
  return StateLabel(LoadState(job)) + FixedText(job.outputPath) + summary;
}

std::vector<std::string> DetailLines(const Job& job) {
  std::vector<std::string> lines{SourceLine(job)};
  if (job.joinPlaylist != 0) lines.push_back(FormatText("Join parts: %s", FixedText(job.joinClips).c_str()));
  lines.push_back(VideoLine(job));
  lines.push_back(TargetVideoLine(job));
  lines.push_back(AudioLine(job));
  lines.push_back(TargetAudioLine(job));
  lines.push_back(SubtitleLine(job));
  return lines;
}
