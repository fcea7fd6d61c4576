// Steps of the composition that take the texts of the main window: paths,
// names, chapters and the media label.

#include <string>

#include "planning/media_index.h"
#include "platform/fixed_text.h"
#include "queue/job_composer.h"
#include "queue/job_texts.h"
#include "shell/app.h"
#include "uir_ids.h"

namespace {

constexpr const char* kRefusalTitle = "JOB CAN NOT BE ADDED";

std::string Refusal(const char* what, const std::string& problem, std::string_view text) {
  return "The " + std::string(what) + problem + ":\n\n" + std::string(text);
}

}  // namespace

// A text that does not fit its field refuses the job rather than being
// cut: a cut path would name another file.
bool JobComposer::Put(char* field, size_t capacity, std::string_view text, const char* what) {
  if (platform::CopyFixed(field, capacity, text)) return true;
  const std::string limit = " does not fit in a job (at most " + std::to_string(capacity - 1) + " bytes)";
  app_.ui.MessagePopup(kRefusalTitle, Refusal(what, limit, text));
  return false;
}

// The tools take paths between double quotes; one inside can not be given.
bool JobComposer::CheckPath(std::string_view path, const char* what) {
  if (path.find('"') == std::string_view::npos) return true;
  app_.ui.MessagePopup(kRefusalTitle,
                       Refusal(what, " holds a double quote (\"), which can not be given to the conversion tools",
                               path) +
                           "\n\nPlease rename it.");
  return false;
}

bool JobComposer::TakePaths(std::string& sourceFile, std::string& outputPath) {
  ui::Toolkit& ui = app_.ui;
  if (source_.videoCount == 0) {
    ui.MessagePopup(kRefusalTitle, "The source has no video track to convert.");
    return false;
  }
  sourceFile = ui::AsText(ui.GetCtrlVal(app_.mainPanel, PANEL_SOURCE));
  outputPath = ui::AsText(ui.GetCtrlVal(app_.mainPanel, PANEL_OUT));
  return CheckPath(sourceFile, "source path") && CheckPath(outputPath, "output path") &&
         Put(job_.sourceFile, sourceFile, "source path") && Put(job_.outputPath, outputPath, "output path");
}

bool JobComposer::TakeTexts() {
  std::string sourceFile, outputPath;
  if (!TakePaths(sourceFile, outputPath)) return false;
  ui::Toolkit& ui = app_.ui;
  const int panel = app_.mainPanel;
  job_.videoBitrate = ui::AsInt(ui.GetCtrlVal(panel, PANEL_BITRATE));
  rawMedia_ = ui.GetCtrlIndex(panel, PANEL_MEDIA);
  job_.media = rawMedia_ == kMediaMkvRemux ? kMediaMkv : rawMedia_;
  const std::string name = OutputBaseName(outputPath, Mkv());
  if (name.empty()) {
    ui.MessagePopup(kRefusalTitle, Refusal("output path", " names no folder or file", outputPath));
    return false;
  }
  platform::CopyFixed(job_.name, name);
  if (!source_.singleStreamFile) platform::CopyFixed(job_.sourceBdFolder, BlurayRootOf(sourceFile));
  const std::string box = ui::AsText(ui.GetCtrlVal(panel, PANEL_CAPITOLS));
  platform::CopyFixed(job_.chapters, ChapterList(box, sizeof job_.chapters - 1));
  return Put(job_.mediaLabel, ui.GetLabelFromIndex(panel, PANEL_MEDIA, rawMedia_), "media label");
}
