#include "engine/demux_step.h"

#include "engine/job_conditions.h"
#include "engine/job_run.h"
#include "engine/judge.h"
#include "engine/step_signals.h"
#include "engine/tool_runner.h"
#include "platform/fixed_text.h"
#include "shell/app.h"
#include "tools/tool_paths.h"

namespace {

using platform::FixedText;

// " <track>: \"<file>\"<options>", only for a file that is still missing.
std::string Entry(int track, const std::string& file, const std::string& options = "") {
  if (FileExists(file)) return "";
  return " " + std::to_string(track) + ": \"" + file + "\"" + options;
}

std::string VideoPart(const Job& job, const JobFiles& f, std::vector<std::string>& files) {
  if (job.videoCopy) {
    files = {f.CopiedVideo()};
    return Entry(job.videoTrackNo, f.CopiedVideo());
  }
  if (Is3d(job)) {
    files = {f.Named(".mkv"), f.LeftView(), f.RightView()};
    return Entry(job.videoTrackNo, files[0]) + Entry(job.videoTrackNo, files[1]) +
           Entry(job.videoTrackNo + 1, files[2]);
  }
  files = {f.Named(".mkv")};
  return Entry(job.videoTrackNo, files[0]);
}

std::string AudioPart(const App& app, const Job& job, const std::string& file) {
  if (job.audioTarget != 0) {
    std::string options = std::string(job.audioDown16 ? " -down16" : "") + (job.audioDown6 ? " -down6" : "");
    options += app.settings.UseArcsoft ? "" : " -libav";
    if (job.audioTarget == 2) return Entry(job.audioTrackNo, file, options);
    return Entry(job.audioTrackNo, file, " -" + std::to_string(job.audioTarget) + options);
  }
  if (HasAudioCodec(job, "A_AC3")) return Entry(job.audioTrackNo, file, " -keepDialnorm");
  const bool coreOnly = IsMkvJob(job) && job.audioCoreOnly && HasAudioCodec(job, "A_DTS");
  return Entry(job.audioTrackNo, file, coreOnly ? " -core" : "");
}

std::string CommandLine(const App& app, const Job& job, const JobRun& run, const std::string& parts) {
  const std::string tool = "\"" + tools::ResolveTool("eac3to\\eac3to.exe", app.programDir) + "\"";
  const std::string progress = app.switches.debugMode ? "" : " -progressnumbers";
  const std::string log = " -log=\"" + run.files.DemuxLog() + "\"";
  if (job.sourceBdFolder[0] != '\0') {
    const int title = job.joinPlaylist ? job.joinPlaylist : job.bdTitleNo ? job.bdTitleNo : 1;
    return tool + " \"" + FixedText(job.sourceBdFolder) + "\" " + std::to_string(title) + ")" + parts + progress + log;
  }
  return tool + " \"" + FixedText(job.sourceFile) + "\"" + parts + progress + log;
}

void RemoveOutputs(const DemuxPlan& plan) {
  if (plan.parts.video)
    for (const auto& file : plan.video) RemoveFile(file);
  if (plan.parts.audio) RemoveFile(plan.audio);
  if (plan.parts.subtitle) RemoveFile(plan.subtitle);
}

}  // namespace

DemuxPlan PlanDemux(const App& app, const JobRun& run) {
  const Job& job = run.job;
  const JobFiles& f = run.files;
  DemuxPlan plan;
  plan.audio = f.Audio();
  plan.subtitle = f.Subtitle();
  const std::string video = ExtractsVideo(job) ? VideoPart(job, f, plan.video) : "";
  const std::string audio = ExtractsAudio(job) ? AudioPart(app, job, plan.audio) : "";
  const std::string subtitle = ExtractsSubtitle(job) ? Entry(job.subTrackNo, plan.subtitle) : "";
  plan.parts = {!video.empty(), !audio.empty(), !subtitle.empty()};
  if (video.empty() && audio.empty() && subtitle.empty()) return plan;
  plan.commandLine = CommandLine(app, job, run, video + audio + subtitle);
  plan.label = DemuxLabel(job, plan.parts);
  return plan;
}

bool RunDemuxStep(JobRun& run) {
  App& app = run.app;
  if (!AdvanceState(run, JobDemuxing)) {
    EndIfAborted(run);
    return false;
  }
  const DemuxPlan plan = PlanDemux(app, run);
  if (!plan.commandLine.empty()) {
    if (!BeginToolStep(run, JobDemuxing, plan.label)) return false;
    const ToolRun tool = RunTool(app, Tool::Eac3to, plan.commandLine);
    if (!JudgeRun(run, tool, [&plan] { RemoveOutputs(plan); })) return false;
  }
  ClearStatusLine(app);
  return true;
}
