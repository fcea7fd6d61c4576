#include "engine/avchd_meta.h"

#include <cstdio>

#include "engine/job_conditions.h"
#include "engine/job_run.h"
#include "platform/fixed_text.h"
#include "shell/app.h"

namespace {

using platform::FixedText;

std::string Track(int id) { return "track=" + std::to_string(id) + ", "; }

std::string ChapterOption(Job& job) {
  if (FixedText(job.chapters).size() > 10) return "--custom-chapters=" + FixedText(job.chapters);
  platform::CopyFixed(job.chapters, "5");
  return "--auto-chapters=5";
}

std::string VideoCodecId(const Job& job) {
  if (job.videoCopy && HasCodec(job, "VC-1")) return "V_MS/VFW/WVC1";
  if (job.videoCopy && HasCodec(job, "MPEG Video")) return "V_MPEG-2";
  return "V_MPEG4/ISO/AVC";  // also for a copied codec of no known name: tsMuxeR then says what it found
}

std::string VideoLine(const JobRun& run) {
  const Job& job = run.job;
  std::string file = run.files.Encoded();
  if (job.videoCopy) file = job.joinPlaylist ? run.files.CopiedVideo() : FixedText(job.sourceFile);
  const bool byTrack = job.videoCopy && !job.joinPlaylist && !Is3d(job);
  return VideoCodecId(job) + ", \"" + file + "\", " + (byTrack ? Track(job.videoStreamTrack) : "") + "fps=" +
         FixedText(job.fpsDecimal);
}

std::string AudioLine(const JobRun& run, Job& job) {
  const bool fromSource = job.audioTarget == 0 && !job.joinPlaylist && !job.sourceIsMkv;
  const std::string file = fromSource ? FixedText(job.sourceFile) : run.files.Audio();
  if (!fromSource && job.audioTarget != 0) platform::CopyFixed(job.audioCodecId, "A_AC3");
  if (!FileExists(file)) return "";
  std::string down;
  if (job.audioCoreOnly && job.audioTarget == 0)
    down = HasAudioCodec(job, "A_AC3") ? "down-to-ac3, " : HasAudioCodec(job, "A_DTS") ? "down-to-dts, " : "";
  const bool shift = job.audioDelayMs != 0 && job.audioTarget == 0 && !job.joinPlaylist;
  const std::string timeshift = shift ? "timeshift=" + std::to_string(job.audioDelayMs) + "ms, " : "";
  return "\r\n" + FixedText(job.audioCodecId) + ", \"" + file + "\", " + down + timeshift +
         (fromSource ? Track(job.audioStreamTrack) : "") + "lang=" + FixedText(job.audioLang);
}

std::string SubtitleFile(const JobRun& run) {
  const Job& job = run.job;
  if (job.resize720 == 2) return run.files.Named(".resized.sup");
  if (job.subMode == 3) return run.files.Named(".forced.sup");
  return run.files.Subtitle();
}

// The preferences keep a colour with red in the lowest byte; tsMuxeR reads
// "font-color" as 0xAARRGGBB, so red and blue change places on the way.
unsigned TsMuxerColor(int32_t stored) {
  const auto c = static_cast<uint32_t>(stored);
  return (c & 0xFF00FF00u) | ((c & 0xFFu) << 16) | ((c >> 16) & 0xFFu);
}

std::string TextStyle(const Settings& s) {
  char style[160];
  std::snprintf(style, sizeof style,
                ",font-name=\"%s\",font-size=%d,font-color=0x%08x,bottom-offset=%d,font-border=%d",
                FixedText(s.FontName).c_str(), s.FontSize, TsMuxerColor(s.FontColor), s.FontBottomOffset,
                s.FontBorder);
  return style;
}

std::string SubtitleLine(const App& app, const JobRun& run) {
  const Job& job = run.job;
  if (job.subMode == 0 || Is3d(job)) return "";
  const bool extracted = job.subMode == 3 || job.joinPlaylist || job.sourceIsMkv || job.resize720 == 2;
  const std::string file = extracted ? SubtitleFile(run) : FixedText(job.sourceFile);
  if (!FileHasContent(file)) return "";
  const std::string style = IsTextSubtitle(job) ? TextStyle(app.settings) : ",bottom-offset=24,font-border=2";
  return "\r\n" + FixedText(job.subCodecId) + ", \"" + file + "\"" + style +
         ",text-align=center,video-width=" + std::to_string(job.videoWidth) +
         ",video-height=" + std::to_string(job.videoHeight) + ",fps=" + FixedText(job.fpsDecimal) + ", " +
         (extracted ? "" : Track(job.subStreamTrack)) + "lang=" + FixedText(job.subLang);
}

}  // namespace

MuxControl AvchdMuxControl(const App& app, const JobRun& run) {
  Job settled = run.job;
  MuxControl control;
  const std::string chapters = ChapterOption(settled);
  control.text = "MUXOPT --no-pcr-on-video-pid --new-audio-pes --avchd --vbr " + chapters + " --vbv-len=500\r\n" +
                 VideoLine(run) + AudioLine(run, settled) + SubtitleLine(app, run);
  control.chapters = FixedText(settled.chapters);
  control.audioCodecId = FixedText(settled.audioCodecId);
  return control;
}
