#include "engine/subtitle_steps.h"

#include "engine/error_log.h"
#include "engine/forced_captions.h"
#include "engine/job_run.h"
#include "engine/judge.h"
#include "engine/step_signals.h"
#include "engine/tool_runner.h"
#include "shell/app.h"
#include "tools/tool_paths.h"

namespace {

// Pictures are moved up by half of what the crop takes off a 1080 frame;
// scaling to 720p leaves them where they are.
std::string CropOption(const Job& job) {
  if (job.cropHeight == 0 || job.resize720 != 0) return "";
  return " /cropy:" + std::to_string((1080 - job.cropHeight) / 2);
}

std::string ResizeOption(const Job& job) { return job.resize720 != 0 ? " /res:720p /filter:lanczos3" : ""; }

}  // namespace

bool RunForcedCaptionStep(JobRun& run) {
  const std::string output = run.files.Named(".forced.sup");
  SetStatusLine(run.app, "Extracting forced captions (new internal code)...");
  if (!FileExists(output)) {
    if (const std::string error = ExtractForcedCaptions(run.files.Subtitle(), output); !error.empty()) {
      if (!EndIfAborted(run)) FailJob(run, "(forced captions) " + error, kInternalStepFailed);
      return false;
    }
  }
  ClearStatusLine(run.app);
  return true;
}

std::string BdSup2SubCommandLine(const App& app, const JobRun& run) {
  const Job& job = run.job;
  const std::string input = job.subMode == 3 ? run.files.Named(".forced.sup") : run.files.Subtitle();
  return "java -Xmx256m -jar \"" + tools::ResolveTool("bdsup2sub\\bdsup2sub400.jar", app.programDir) + "\" \"" +
         input + "\" \"" + run.files.Named(".resized.sup") + "\" /fps:keep" + CropOption(job) + ResizeOption(job);
}

bool RunBdSup2SubStep(JobRun& run) {
  App& app = run.app;
  const std::string output = run.files.Named(".resized.sup");
  SetStatusLine(app, "Resizing/Croping subtitles using BDsup2sub...");
  if (!FileExists(output)) {
    app.taskbar->SetState(platform::TaskbarState::Indeterminate);
    const ToolRun tool = RunTool(app, Tool::BdSup2Sub, BdSup2SubCommandLine(app, run));
    if (!JudgeRun(run, tool, [&output] { RemoveFile(output); })) return false;
  }
  ClearStatusLine(app);
  return true;
}
