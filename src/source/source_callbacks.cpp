#include "source/source_callbacks.h"

#include "shell/app.h"
#include "source/bluray_open.h"
#include "source/imdb_lookup.h"
#include "source/playlist_dialog.h"

namespace {

// A button that acts on its commit event.
ui::CtrlCallback OnCommit(App& app, void (*action)(App&)) {
  return [&app, action](int, int, int event, void*, int, int) {
    if (event == ui::EVENT_COMMIT) action(app);
    return 0;
  };
}

ui::MenuCallback OnMenu(App& app, void (*action)(App&)) {
  return [&app, action](int, int, void*, int) { action(app); };
}

// A control of a dialog: the callback needs the dialog's handle.
ui::CtrlCallback OnDialog(App& app, int (*callback)(App&, int, int)) {
  return [&app, callback](int panel, int, int event, void*, int, int) { return callback(app, panel, event); };
}

}  // namespace

void BindSourceCallbacks(App& app, ui::CallbackTable& table) {
  table.Bind("CallOpenBDMV", OnCommit(app, OpenBlurayFolder));
  table.Bind("CallOpenVideoFile", OnCommit(app, OpenVideoFile));
  table.Bind("CallGoImdb", [&app](int, int, int event, void*, int, int) { return CallGoImdb(app, event); });
  table.Bind("CallPlayListSelect", OnDialog(app, CallPlayListSelect));
  table.Bind("CallPlaylistGo", OnDialog(app, CallPlaylistGo));
  table.Bind("CallCancelMultiPlaylist", OnDialog(app, CallCancelMultiPlaylist));
  table.BindMenu("CallMenuOpenVideoFile", OnMenu(app, OpenVideoFile));
  table.BindMenu("CallMenuOpenBDfolder", OnMenu(app, OpenBlurayFolder));
}
