#include "engine/video_step.h"

#include <string>

#include "engine/job_conditions.h"
#include "engine/job_run.h"
#include "engine/judge.h"
#include "engine/stereo_prep.h"
#include "engine/step_signals.h"
#include "engine/tool_runner.h"
#include "engine/x264_command.h"
#include "shell/app.h"

namespace {

struct PassInfo {
  int32_t state;
  std::string label;
};

PassInfo Describe(const Job& job, X264Pass pass) {
  const bool demuxed = NeedsDemux(job);
  switch (pass) {
    case X264Pass::First:
      return {JobX264Pass1, demuxed ? "[STEP 2/4 - X264 PASS 1] Recode video using x264, 1st pass..."
                                    : "[STEP 1/3 - X264 PASS 1] Recode video using x264, 1st pass..."};
    case X264Pass::Second:
      return {JobX264Pass2, demuxed ? "[STEP 3/4 - X264 PASS 2] Recode video using x264, 2nd pass..."
                                    : "[STEP 2/3 - X264 PASS 2] Recode video using x264, 2nd pass..."};
    case X264Pass::ConstantQuality:
      break;
  }
  return {JobX264Crf, "[STEP 2/3 - X264 CRF] Recode video using x264, single pass CRF..."};
}

bool RunPass(JobRun& run, X264Pass pass) {
  const PassInfo info = Describe(run.job, pass);
  if (!BeginToolStep(run, info.state, info.label)) return false;
  // The 3D script indexes the whole stream before the first frame.
  if (Is3d(run.job) && pass != X264Pass::Second)
    SetStatusLine(run.app, "Indexing H264 raw video (no progress update for a while)...");
  const ToolRun tool = RunTool(run.app, Tool::X264, X264CommandLine(run.app, run, pass));
  // An unfinished first pass leaves no statistics; later passes leave a
  // partial stream.
  auto cleanUp = [&run, pass] {
    if (pass != X264Pass::First) RemoveFile(run.files.Encoded());
  };
  if (!JudgeRun(run, tool, cleanUp)) return false;
  ClearStatusLine(run.app);
  return true;
}

}  // namespace

bool RunVideoStep(JobRun& run) {
  const Job& job = run.job;
  if (job.videoCopy) return true;
  if (Is3d(job)) {
    if (const int frames = FrameCountFromLog(run.files.DemuxLog()); frames > 0)
      StoreLearned(run, [frames](Job& learned) { learned.frameCount = frames; });
    PrepareStereo(run);
  }
  if (IsMkvJob(job)) return FileExists(run.files.Encoded()) || RunPass(run, X264Pass::ConstantQuality);
  if (!FileExists(run.files.Stats()) && !RunPass(run, X264Pass::First)) return false;
  return FileExists(run.files.Encoded()) || RunPass(run, X264Pass::Second);
}
