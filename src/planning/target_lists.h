#pragma once
// The target option lists of the main window: media, target audio and
// target subtitle choices offered for the open source.

struct App;

// Fills the MEDIA ring; with refresh 1 the current media stays chosen.
void FillMediaList(App& app, int refresh);
// Fills the target audio choices for the chosen source audio track.
void FillAudioTargets(App& app);
// Fills the target subtitle choices for the chosen source subtitle track.
void FillSubtitleTargets(App& app);
