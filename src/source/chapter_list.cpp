#include "source/chapter_list.h"

#include "shell/app.h"
#include "source/text_search.h"
#include "uir_ids.h"

namespace {

// Time lines are "CHAPTERnn=" and a time of at least ten characters;
// name lines have an "E" before their "=".
bool IsTimeLine(std::string_view line) {
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return false;
  if (equals > 0 && line[equals - 1] == 'E') return false;
  return line.size() - equals > 10;
}

}  // namespace

std::string ChaptersFromCapText(std::string_view capText) {
  const auto lines = SplitTokens(capText, "\r\n");
  std::string chapters;
  for (size_t i = 0; i + 1 < lines.size(); ++i) {
    if (!IsTimeLine(lines[i])) continue;
    chapters += lines[i].substr(lines[i].find('=') + 1);
    chapters += '\n';
  }
  return chapters;
}

void ShowChapterList(App& app, const std::string& chapters) {
  if (!chapters.empty()) {
    app.ui.ResetTextBox(app.mainPanel, PANEL_CAPITOLS, chapters);
    return;
  }
  app.ui.ResetTextBox(app.mainPanel, PANEL_CAPITOLS, "");
  app.ui.SetCtrlVal(app.mainPanel, PANEL_PLAYLIST_TIME, std::string());
  app.source.chaptersMissing = 1;
}
