#include "engine/avchd_mux_step.h"

#include <filesystem>
#include <fstream>

#include "engine/avchd_meta.h"
#include "engine/job_conditions.h"
#include "engine/job_run.h"
#include "engine/judge.h"
#include "engine/movie_object.h"
#include "engine/step_signals.h"
#include "engine/tool_runner.h"
#include "platform/fixed_text.h"
#include "platform/folder_tree.h"
#include "shell/app.h"
#include "tools/tool_paths.h"

namespace fs = std::filesystem;

MuxOutputGuard::MuxOutputGuard(const std::string& outputFolder)
    : folder_(outputFolder), folderExisted_(FileExists(outputFolder)) {
  for (const char* entry : {"BDMV", "CERTIFICATE"}) {
    const std::string path = (fs::path(outputFolder) / entry).string();
    if (!FileExists(path)) newEntries_.push_back(path);
  }
}

void MuxOutputGuard::RemoveCreated() const {
  if (!folderExisted_) {
    platform::DeleteFolderTree(folder_);
    return;
  }
  for (const std::string& entry : newEntries_) platform::DeleteFolderTree(entry);
}

namespace {

std::string Label(const Job& job) {
  const int n = NeedsDemux(job) ? (job.videoCopy ? 2 : 4) : (job.videoCopy ? 1 : 3);
  return "[STEP " + std::to_string(n) + "/" + std::to_string(n) +
         " - TSMUXER PROCESS] Muxing audio/video/subs and creating AVCHD folders structure...";
}

}  // namespace

bool RunTsMuxerStep(JobRun& run) {
  App& app = run.app;
  if (!BeginToolStep(run, JobTsMuxer, Label(run.job))) return false;
  const std::string control = run.files.MuxControl();
  const MuxControl settled = AvchdMuxControl(app, run);
  std::ofstream(control, std::ios::binary | std::ios::trunc) << settled.text;
  StoreLearned(run, [&settled](Job& job) {
    platform::CopyFixed(job.chapters, settled.chapters);
    platform::CopyFixed(job.audioCodecId, settled.audioCodecId);
  });
  const std::string output = platform::FixedText(run.job.outputPath);
  const std::string commandLine = "\"" + tools::ResolveTool("tsmuxer\\tsMuxeR.exe", app.programDir) + "\" \"" +
                                  control + "\" \"" + output + "\"";
  const MuxOutputGuard guard(output);
  const ToolRun tool = RunTool(app, Tool::TsMuxer, commandLine);
  if (!JudgeRun(run, tool, [&guard] { guard.RemoveCreated(); })) return false;
  if (!Is3d(run.job) && (run.job.subMode == 2 || run.job.subMode == 3)) ReplaceMovieObjects(output);
  return true;
}
