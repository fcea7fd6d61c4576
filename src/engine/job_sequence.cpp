#include "engine/job_sequence.h"

#include <string>

#include "engine/avchd_mux_step.h"
#include "engine/demux_step.h"
#include "engine/error_log.h"
#include "engine/job_conditions.h"
#include "engine/job_run.h"
#include "engine/mkv_mux.h"
#include "engine/step_signals.h"
#include "engine/subtitle_steps.h"
#include "engine/temp_files.h"
#include "engine/tool_runner.h"
#include "engine/video_step.h"
#include "platform/fixed_text.h"
#include "queue/queue_control.h"
#include "shell/app.h"

namespace {

using platform::FixedText;

// Command lines quote every path; a path holding a double quote would
// split into other arguments, naming files nobody meant.
std::string UnquotablePath(const App& app, const Job& job) {
  for (const std::string& path : {FixedText(app.settings.TempPath), app.programDir, FixedText(job.name),
                                  FixedText(job.sourceFile), FixedText(job.sourceBdFolder), FixedText(job.outputPath)})
    if (path.find('"') != std::string::npos) return path;
  return "";
}

bool RunSteps(JobRun& run) {
  const Job& job = run.job;
  if (NeedsDemux(job) && !RunDemuxStep(run)) return false;
  if (job.subMode == 3 && !Is3d(job) && !RunForcedCaptionStep(run)) return false;
  if (NeedsBdSup2Sub(job) && !RunBdSup2SubStep(run)) return false;
  if (!RunVideoStep(run)) return false;
  return IsMkvJob(job) ? RunMkvMergeStep(run) : RunTsMuxerStep(run);
}

// A stop that comes after the last tool has ended finds the job complete.
void MarkFinished(JobRun& run) {
  if (AdvanceState(run, JobFinished)) return;
  run.state = LoadState(run.job);
  if (run.state == JobStopped || run.state == JobCanceled) AdvanceState(run, JobFinished);
}

void FinishJob(JobRun& run) {
  App& app = run.app;
  BorraTemporals(app, run.slot, 0);
  ClearStatusLine(app);
  SetProgressBar(app, 1000);
  SetProgressLabel(app, "Done!");
  MarkFinished(run);
  if (app.switches.playSoundWhenDone) app.sound->PlayFile(FixedText(app.settings.SoundPath));
  if (PendingAbort(app) == AbortNone) StartNextJob(app);
}

void RunJobAt(App& app, int slot) {
  if (slot < 0 || slot >= kQueueSlots || !IsStartableState(LoadState(app.queue[slot]))) return;
  JobRun run(app, slot);
  SetProgressBar(app, 0);
  if (const std::string path = UnquotablePath(app, run.job); !path.empty()) {
    FailJob(run, "(not started) a command line cannot carry the double quote in the path " + path,
            kToolNotStarted);
    return;
  }
  if (RunSteps(run)) FinishJob(run);
}

}  // namespace

void RunRunningJob(App& app) {
  app.tool.abortSeen = AbortNone;
  RunJobAt(app, app.runningJob.load());
  // The queue was stopped or has run dry: the launcher shows no progress.
  if (app.runningJob.load() == -1) app.taskbar->SetState(platform::TaskbarState::NoProgress);
}
