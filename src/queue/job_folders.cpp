#include "queue/job_folders.h"

#include <filesystem>
#include <string>

#include "platform/fixed_text.h"
#include "queue/queue_selection.h"
#include "shell/app.h"

namespace {

using platform::FixedText;

const Job* SelectedJob(App& app) {
  const int slot = SelectedSlot(app);
  return slot >= 0 && LoadState(app.queue[slot]) != JobFree ? &app.queue[slot] : nullptr;
}

void Open(App& app, const std::string& target) {
  if (!target.empty()) app.shell.Open(target);
}

}  // namespace

void OpenOutputFolder(App& app) {
  if (const Job* job = SelectedJob(app))
    Open(app, job->media == 6 ? FixedText(app.settings.OutPath) : FixedText(job->outputPath));
}

void OpenSourceFolder(App& app) {
  const Job* job = SelectedJob(app);
  if (!job) return;
  if (!job->sourceIsMkv) return Open(app, FixedText(job->sourceBdFolder));
  const std::string file = FixedText(job->sourceFile);
  const size_t cut = file.find_last_of('/');
  if (cut != std::string::npos) Open(app, file.substr(0, cut));
}

void ViewErrorLog(App& app) {
  if (SelectedJob(app))
    Open(app, (std::filesystem::path(FixedText(app.settings.TempPath)) / "error_log.txt").string());
}
