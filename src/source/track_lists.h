#pragma once
// The video, audio and subtitle tracks of the source shown in the main
// window's rings S_VIDEO, S_AUDIO and S_SUB; each item's value is the
// track's index in its table.

#include <string>

#include "source/source_info.h"

struct App;

// With refresh 0 the rings are refilled; with refresh 1 (after a scan)
// each item is replaced in place, so the user's choices stay.
void ShowTrackLists(App& app, int refresh);

// The ring texts, e.g. "4113 :  1:45:32  AVC  28000 Kbps  (1920x1080p / 23.976 fps / 16:9)".
std::string VideoItemText(const VideoTrack& video);
std::string AudioItemText(const AudioTrack& audio);
std::string SubtitleItemText(const SubtitleTrack& subtitle, const SourceInfo& source);
