#pragma once
// The single entry through which every way of opening a source fills the
// source record and the main window, and the way back to no source.

#include <string>

struct App;

// Fills the source record and the main window from the stream file
// `path` (an .m2ts clip or an .mkv file). A non-empty `durationText` is
// the duration of a joined playlist, which replaces the clip's own. An
// empty `path` clears the source.
void LoadSource(App& app, const std::string& path, const std::string& durationText);

// Forgets the streams and the output paths and empties the source's
// controls. The flags, the playlists and the browse folder stay.
void ClearSource(App& app);
