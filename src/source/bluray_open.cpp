#include "source/bluray_open.h"

#include "platform/fixed_text.h"
#include "shell/app.h"
#include "source/bluray_listing.h"
#include "source/eac3to_run.h"
#include "source/load_source.h"
#include "source/playlist_dialog.h"
#include "source/source_paths.h"
#include "source/stereo_question.h"
#include "source/stream_listing.h"
#include "source/wait_panel.h"
#include "uir_ids.h"

namespace {

void GiveUp(App& app, int focus) {
  LoadSource(app, "", "");
  app.ui.SetActiveCtrl(app.mainPanel, focus);
}

void FailBlurayOpening(App& app) {
  app.ui.MessagePopup("ERROR", "Unable to read BD structure.");
  GiveUp(app, PANEL_OPEN_BDMV);
}

void LoadMainPlaylist(App& app, const std::string& folder, const ListingDecision& decision) {
  app.ui.SetCtrlVal(app.mainPanel, PANEL_PLAYLIST_TIME, decision.durationText);
  const int wait = ShowWaitPanel(app);
  ListSourceStreams(app, folder, 1);
  app.source.joinPlaylist = 0;
  app.source.chosenPlaylist = 0;
  LoadSource(app, JoinPath(StreamFolder(folder), decision.clipFile), "");
  FinishBlurayOpening(app, wait);
}

// eac3to's listing, with "\n" before its first line.
std::string FolderListing(App& app, const std::string& folder) {
  const std::string log = ListWithEac3to(app, folder);
  return log.empty() ? log : "\n" + log;
}

}  // namespace

void OpenBlurayFolder(App& app) {
  SourceInfo& source = app.source;
  const ui::FileChoice choice =
      app.ui.DirSelectPopup(platform::FixedText(source.lastBrowseFolder), "Select a Blu-Ray BDMV folder *DECRYPTED*:");
  if (!choice.chosen || choice.path.empty()) return GiveUp(app, PANEL_OPEN_BDMV);
  platform::CopyFixed(source.lastBrowseFolder, choice.path);
  const std::string& folder = choice.path;
  const std::string listing = FolderListing(app, folder);
  const ListingDecision decision = DecideListing(listing);
  switch (decision.kind) {
    case ListingDecision::Fail: return FailBlurayOpening(app);
    case ListingDecision::ChoosePlaylist: return OpenPlaylistDialog(app, folder, listing, decision.info);
    case ListingDecision::LoadMainPlaylist: return LoadMainPlaylist(app, folder, decision);
  }
}

void OpenVideoFile(App& app) {
  app.source.joinPlaylist = 0;
  app.source.chosenPlaylist = 0;
  const ui::FileChoice choice =
      app.ui.FileSelectPopup("", "*.mkv;*.m2ts", "Video Files (m2ts, mkv)", "Select a Video File");
  if (!choice.chosen || choice.path.empty()) return GiveUp(app, PANEL_OPEN);
  ListSourceStreams(app, choice.path, 0);
  LoadSource(app, choice.path, "");
}

void FinishBlurayOpening(App& app, int waitPanel) {
  HideWaitPanel(app, waitPanel);
  if (app.source.hasRightEye) AskStereoMode(app);
  app.ui.SetActiveCtrl(app.mainPanel, PANEL_SCAN);
}
