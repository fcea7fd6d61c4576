#include "source/playlist_dialog.h"

#include "platform/fixed_text.h"
#include "shell/app.h"
#include "source/bluray_listing.h"
#include "source/bluray_open.h"
#include "source/clip_choice.h"
#include "source/load_source.h"
#include "source/stream_listing.h"
#include "source/wait_panel.h"
#include "uir_ids.h"

namespace {

int SelectedPlaylist(App& app, int dialog) {
  const int n = ui::AsInt(app.ui.GetCtrlVal(dialog, PANEL_MULT_PLAYLIST));
  return n >= 1 && n <= kMaxPlaylists ? n : 0;
}

// Loads the playlist's largest clip: alone when the playlist has one clip
// or one large clip among small extras, else with the clips joined and
// the playlist's duration for the whole.
void LoadPlaylist(App& app, int n, const ClipChoice& clips) {
  SourceInfo& source = app.source;
  const std::string duration = platform::FixedText(source.playlists[n].durationText);
  source.joinPlaylist = 0;
  source.chosenPlaylist = 0;
  if (clips.found <= 1) {
    source.chosenPlaylist = n;
    LoadSource(app, clips.largestPath, "");
  } else if (clips.small == clips.found - 1) {
    source.chosenPlaylist = n;
    LoadSource(app, clips.largestPath, "");
    source.singleStreamFile = 1;
  } else {
    source.joinPlaylist = n;
    LoadSource(app, clips.largestPath, duration);
  }
}

}  // namespace

void OpenPlaylistDialog(App& app, const std::string& folder, std::string_view listing, const std::string& info) {
  const int dialog = app.ui.LoadPanel(app.mainPanel, PANEL_MULT);
  if (!info.empty()) app.ui.SetCtrlVal(dialog, PANEL_MULT_INFO, info);
  app.ui.SetCtrlVal(dialog, PANEL_MULT_PATH, folder);
  FillPlaylistList(app, listing, dialog);
  app.ui.InstallPopup(dialog);
  ShowPlaylistClips(app, dialog);
}

void FillPlaylistList(App& app, std::string_view listing, int dialog) {
  for (const PlaylistLine& line : ParsePlaylistLines(listing)) {
    app.ui.InsertListItem(dialog, PANEL_MULT_PLAYLIST, ui::VAL_LAST, line.name + "  (" + line.durationText + ")",
                          line.number);
    PlaylistEntry& entry = app.source.playlists[line.number];
    platform::CopyFixed(entry.clips, line.clips);
    platform::CopyFixed(entry.durationText, line.durationText);
  }
}

void ShowPlaylistClips(App& app, int dialog) {
  const int n = SelectedPlaylist(app, dialog);
  if (n == 0) return;
  const std::string_view clips = platform::FixedView(app.source.playlists[n].clips);
  if (!clips.empty()) app.ui.ResetTextBox(dialog, PANEL_MULT_M2TS, ClipListText(clips));
}

int CallPlayListSelect(App& app, int dialog, int event) {
  if (event == ui::EVENT_VAL_CHANGED) ShowPlaylistClips(app, dialog);
  return 0;
}

int CallPlaylistGo(App& app, int dialog, int event) {
  if (event != ui::EVENT_COMMIT) return 0;
  const std::string folder = ui::AsText(app.ui.GetCtrlVal(dialog, PANEL_MULT_PATH));
  const int n = SelectedPlaylist(app, dialog);
  app.ui.DiscardPanel(dialog);
  if (n == 0) return CallCancelMultiPlaylist(app, 0, ui::EVENT_COMMIT);  // nothing listed to open
  const int wait = ShowWaitPanel(app);
  const ClipChoice clips = ExamineClips(folder, platform::FixedView(app.source.playlists[n].clips));
  ListSourceStreams(app, folder, n);
  app.ui.SetCtrlVal(app.mainPanel, PANEL_PLAYLIST_TIME, platform::FixedText(app.source.playlists[n].durationText));
  LoadPlaylist(app, n, clips);
  FinishBlurayOpening(app, wait);
  return 0;
}

int CallCancelMultiPlaylist(App& app, int dialog, int event) {
  if (event != ui::EVENT_COMMIT) return 0;
  if (dialog > 0) app.ui.DiscardPanel(dialog);
  LoadSource(app, "", "");
  app.ui.SetActiveCtrl(app.mainPanel, PANEL_OPEN_BDMV);
  return 0;
}
