#pragma once
// The source tracks the main window's rings S_VIDEO, S_AUDIO and S_SUB
// have chosen. A ring's value is the track's index in its table; an empty
// ring or a value outside the table gives the first entry, which is all
// zero when the source has no track of that kind.

#include "source/source_info.h"

struct App;

int SelectedVideoIndex(App& app);
int SelectedAudioIndex(App& app);
int SelectedSubtitleIndex(App& app);

const VideoTrack& SelectedVideo(App& app);
const AudioTrack& SelectedAudio(App& app);
const SubtitleTrack& SelectedSubtitle(App& app);
