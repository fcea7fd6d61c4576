#include "source/source_callbacks.h"

#include "ui/no_op.h"

// Bound to nothing until the feature is built.
void BindSourceCallbacks(App&, ui::CallbackTable& table) {
  table.Bind("CallOpenBDMV", ui::NoOpControl());
  table.Bind("CallOpenVideoFile", ui::NoOpControl());
  table.Bind("CallGoImdb", ui::NoOpControl());
  table.Bind("CallPlayListSelect", ui::NoOpControl());
  table.Bind("CallPlaylistGo", ui::NoOpControl());
  table.Bind("CallCancelMultiPlaylist", ui::NoOpControl());
  table.BindMenu("CallMenuOpenVideoFile", ui::NoOpMenu());
  table.BindMenu("CallMenuOpenBDfolder", ui::NoOpMenu());
}
