#include "engine/mkv_mux.h"

#include <fstream>

#include "engine/job_run.h"
#include "engine/judge.h"
#include "engine/mkv_command.h"
#include "engine/step_signals.h"
#include "engine/tool_runner.h"
#include "platform/fixed_text.h"
#include "shell/app.h"

namespace {

std::string Label(const Job& job) {
  return job.videoCopy ? "[STEP 2/2 - MKVMERGE PROCESS] Muxing audio/video/subs and creating MKV file..."
                       : "[STEP 3/3 - MKVMERGE PROCESS] Muxing audio/video/subs and creating MKV file...";
}

// Rewritten for every run; a file that cannot be written is left out of the mux.
void WriteChapterFile(const JobRun& run) {
  const std::string path = run.files.Named(".chapters.txt");
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << ChapterFileText(platform::FixedView(run.job.chapters));
  if (!file.flush()) RemoveFile(path);
}

}  // namespace

bool RunMkvMergeStep(JobRun& run) {
  App& app = run.app;
  if (!BeginToolStep(run, JobMkvMerge, Label(run.job))) return false;
  if (HasChapterList(run)) WriteChapterFile(run);
  const std::string output = platform::FixedText(run.job.outputPath);
  const ToolRun tool = RunTool(app, Tool::MkvMerge, MkvMergeCommandLine(app, run));
  return JudgeRun(run, tool, [&output] { RemoveFile(output); });
}
