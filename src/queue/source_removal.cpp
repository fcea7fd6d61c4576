#include "queue/source_removal.h"

#include <filesystem>
#include <string>

#include "platform/fixed_text.h"
#include "platform/folder_tree.h"
#include "queue/queue_edit.h"
#include "queue/queue_rules.h"
#include "queue/queue_selection.h"
#include "shell/app.h"

namespace {

namespace fs = std::filesystem;
using platform::FixedText;

// Deletes the source; returns why it was not deleted, or "" when it was
// (or is already gone).
std::string DeleteMkvSource(const std::string& file) {
  std::error_code ec;
  if (file.empty() || !fs::exists(fs::symlink_status(file, ec))) return "";
  if (!fs::is_regular_file(file, ec)) return file + " is not a file.";
  fs::remove(file, ec);
  return ec ? file + " could not be deleted (" + ec.message() + ")." : "";
}

std::string DeleteBlurayRoot(const std::string& folder) {
  std::error_code ec;
  if (folder.empty()) return "only a Blu-ray folder or the file of an MKV source is deleted.";
  if (!fs::exists(folder, ec)) return "";
  if (!fs::is_directory(fs::path(folder) / "BDMV", ec)) return folder + " holds no BDMV folder.";
  if (std::string refusal = platform::FolderTreeRefusal(folder); !refusal.empty())
    return folder + " may not be deleted (" + refusal + ").";
  return platform::DeleteFolderTree(folder) ? "" : folder + " could not be deleted completely.";
}

std::string DeleteSource(const Job& job) {
  return job.sourceIsMkv ? DeleteMkvSource(FixedText(job.sourceFile))
                         : DeleteBlurayRoot(FixedText(job.sourceBdFolder));
}

}  // namespace

void RemoveJobAndSource(App& app) {
  const int slot = SelectedSlot(app);
  if (!CanRemove(app, slot) || LoadState(app.queue[slot]) != JobFinished) return;
  if (std::string problem = DeleteSource(app.queue[slot]); !problem.empty())
    app.ui.MessagePopup("WARNING", "The source was not deleted: " + problem);
  RemoveJob(app, false);
}
