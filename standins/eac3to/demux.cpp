#include "demux.h"

#include <algorithm>
#include <fstream>
#include <set>

#include "audio_start.h"
#include "chapter_text.h"
#include "failure.h"
#include "ffmpeg_run.h"
#include "output_plan.h"
#include "partial_files.h"
#include "pid_copy.h"
#include "stop_signal.h"
#include "ts_fields.h"
#include "whole_clips.h"

namespace eac3to {
namespace {

// Two entries writing one file, or an entry writing over the source, would
// lose data; both are refused before anything is written.
void CheckFiles(const Source& source, const std::vector<OutputPlan>& plans) {
  std::set<std::filesystem::path> seen;
  for (const auto& part : source.parts) seen.insert(std::filesystem::weakly_canonical(part.file));
  for (const auto& plan : plans)
    if (!seen.insert(std::filesystem::weakly_canonical(plan.request.file)).second)
      throw Failure("\"" + plan.request.file.string() +
                    "\" is the source or is named twice on the command line.");
}

void WriteChapters(const Source& source, const std::filesystem::path& file) {
  std::ofstream out(file, std::ios::binary);
  out << ChapterText(source.chaptersMs);
  if (!out.flush()) throw Failure("\"" + file.string() + "\" can't be written.");
}

struct Work {
  std::vector<FfmpegOutput> ffmpeg;
  std::vector<FfmpegOutput> pidCopies;
};

bool WritesVideo(const FfmpegOutput& output) {
  return output.plan->track.kind == TrackKind::Video;
}

// The number of the first video track written through ffmpeg, 0 when none.
int FirstVideoTrack(const std::vector<FfmpegOutput>& outputs) {
  const auto video = std::find_if(outputs.begin(), outputs.end(), WritesVideo);
  return video == outputs.end() ? 0 : video->plan->request.number;
}

bool CopiesAudio(const OutputPlan& plan) {
  return plan.track.kind == TrackKind::Audio && !plan.decodesAudio;
}

// How far (90 kHz) a copied track starts after the video: from the first
// packet the joined stream kept of its PID, or from the probe of a file.
std::optional<std::int64_t> StartOffset(const Source& source, const JoinedStream* joined,
                                        const Track& track) {
  const auto& origin = source.parts.front().inTime;
  if (!origin) return std::nullopt;
  if (!joined) {
    if (!track.start) return std::nullopt;
    return *track.start - *origin;
  }
  const auto first = joined->FirstPts().find(track.pid);
  if (first == joined->FirstPts().end()) return std::nullopt;
  return ts::Difference(first->second, *origin);
}

void AlignCopies(const Source& source, const JoinedStream* joined,
                 const std::vector<FfmpegOutput>& outputs, EventLog& log) {
  for (const auto& output : outputs) {
    if (!CopiesAudio(*output.plan)) continue;
    const auto offset = StartOffset(source, joined, output.plan->track);
    if (!offset) continue;
    if (const auto line = AlignCopiedAudio(*output.plan, output.file, *offset)) log.Line(*line);
  }
}

long RunWork(const Source& source, Work& work, bool progressNumbers, EventLog& log) {
  // ffmpeg counts the frames of its first video output: put video first.
  std::stable_partition(work.ffmpeg.begin(), work.ffmpeg.end(), WritesVideo);
  const int passes = (work.ffmpeg.empty() ? 0 : 1) + static_cast<int>(work.pidCopies.size());
  ProgressReporter progress(progressNumbers, passes);
  std::optional<JoinedStream> joined;
  if (source.transportStream) joined.emplace(source.parts);  // checks every clip first
  // Clips that play whole go to ffmpeg as files; others through our join.
  JoinedStream* feed = joined && !ClipsPlayWhole(source) ? &*joined : nullptr;
  int pass = 0;
  long frames = 0;
  if (!work.ffmpeg.empty()) {
    frames = RunFfmpeg(source, feed, work.ffmpeg, progress, pass++);
    AlignCopies(source, feed, work.ffmpeg, log);
  }
  for (const auto& copy : work.pidCopies) {
    CopyPidPayload(*joined, copy.plan->track.pid, copy.file,
                   [&](double fraction) { progress.Report(pass, fraction); });
    AlignCopies(source, &*joined, {copy}, log);
    ++pass;
  }
  ThrowIfStopped();
  progress.Finish();
  return frames;
}

}  // namespace

void Demux(const Source& source, const CommandLine& commandLine, EventLog& log) {
  std::vector<OutputPlan> plans;
  for (const auto& request : commandLine.tracks) plans.push_back(PlanOutput(source, request));
  CheckFiles(source, plans);
  PartialFiles partials;
  Work work;
  for (const auto& plan : plans) {
    const auto file = partials.Add(plan.request.file);
    log.Line("Writing track " + std::to_string(plan.request.number) + " to \"" +
             plan.request.file.string() + "\" (" + plan.summary + ")...");
    if (plan.engine == Engine::ChapterText) WriteChapters(source, file);
    if (plan.engine == Engine::Ffmpeg) work.ffmpeg.push_back({&plan, file});
    if (plan.engine == Engine::PidCopy) work.pidCopies.push_back({&plan, file});
  }
  const long frames = RunWork(source, work, commandLine.progressNumbers, log);
  partials.Commit();
  if (const int video = FirstVideoTrack(work.ffmpeg))
    log.Line("Video track " + std::to_string(video) + " contains " + std::to_string(frames) +
             " frames.");
}

}  // namespace eac3to
