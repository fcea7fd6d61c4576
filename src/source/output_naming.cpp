#include "source/output_naming.h"

#include "platform/fixed_text.h"
#include "shell/app.h"
#include "source/imdb_lookup.h"
#include "source/source_paths.h"
#include "source/text_case.h"
#include "source/text_search.h"
#include "source/title_cleanup.h"
#include "source/volume_label.h"
#include "uir_ids.h"

namespace {

std::string AfterLastSlash(const std::string& path) { return path.substr(path.rfind('/') + 1); }

std::string WithYear(const std::string& title, const std::string& year) { return title + " (" + year + ")"; }

// Looks the cleaned name up when a naming mode asks for it; the title
// name on success, empty otherwise.
std::string LookedUpName(App& app, const std::string& name) {
  const int mode = app.settings.Scrape;
  if (mode < 1 || mode > 5) return {};
  TitleMatch match;
  const bool found = ImdbLookup(LowerText(name), match);
  platform::CopyFixed(app.source.imdbTitleId, match.titleId);
  if (!found) return {};
  if (!match.originalTitle.empty()) CapitalizeWords(match.localTitle);
  return TitleNameByMode(mode, match);
}

}  // namespace

std::string SourceNameOf(const std::string& path) {
  const size_t bdmv = FindNoCase(path, "/BDMV");
  if (bdmv != kNotFound && bdmv > 0) {
    const std::string discRoot = path.substr(0, bdmv);
    const std::string label = MountedVolumeLabel(discRoot);
    return label.empty() ? AfterLastSlash(discRoot) : label;
  }
  const std::string file = AfterLastSlash(path);
  return file.substr(0, file.rfind('.'));
}

std::string TitleNameByMode(int mode, const TitleMatch& match) {
  const std::string& local = match.localTitle;
  const std::string& original = match.originalTitle;
  const bool hasOriginal = !original.empty();
  switch (mode) {
    case 1: return hasOriginal ? WithYear(local, match.year) + " - " + original : WithYear(local, match.year);
    case 2: return hasOriginal ? WithYear(original, match.year) + " - " + local : WithYear(local, match.year);
    case 4: return WithYear(hasOriginal ? original : local, match.year);
    case 5: return hasOriginal ? original : local;
    default: return WithYear(local, match.year);
  }
}

void NameOutputs(App& app, const std::string& path) {
  std::string name = SourceNameOf(path);
  CleanTitle(name);
  std::string mkvName = LookedUpName(app, name);
  const bool found = !mkvName.empty();
  if (found) {
    name = mkvName;
  } else {
    mkvName = LowerText(name);
    CapitalizeWords(mkvName);
  }
  app.ui.SetCtrlAttribute(app.mainPanel, PANEL_IMDB, ui::ATTR_VISIBLE, found ? 1 : 0);
  const std::string outFolder = platform::FixedText(app.settings.OutPath);
  platform::CopyFixed(app.source.outputFolderPath, JoinPath(outFolder, UpperText(name)));
  CopyWithSuffix(app.source.outputMkvPath, JoinPath(outFolder, mkvName), ".mkv");
  ShowOutputPath(app);
}

bool MkvMediaChosen(App& app) {
  const int media = app.ui.GetCtrlIndex(app.mainPanel, PANEL_MEDIA);
  return media == 6 || media == 7;
}

void ShowOutputPath(App& app) {
  const SourceInfo& source = app.source;
  const std::string shown = MkvMediaChosen(app) ? platform::FixedText(source.outputMkvPath)
                                                : platform::FixedText(source.outputFolderPath);
  app.ui.SetCtrlVal(app.mainPanel, PANEL_OUT, shown);
}
