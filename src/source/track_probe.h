#pragma once
// The general, video, audio and subtitle tables of the source filled from
// libmediainfo, and for Matroska sources the chapter list.

#include <string>

struct App;

// Probes the stream file `path`. A non-empty `durationText` (h:m:s, the
// duration of a joined playlist) replaces the clip's own duration. When
// the library cannot be loaded or the file cannot be opened, nothing
// changes.
void ProbeTracks(App& app, const std::string& path, const std::string& durationText);
