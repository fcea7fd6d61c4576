#pragma once
// The numbers eac3to gives the streams of a source: "1:" the chapters
// (when the listing has them), then the video tracks, the right-eye video
// of a 3D disc, the audio tracks and the subtitle tracks.

#include "source/source_info.h"

int VideoTrackNumber(const SourceInfo& source);
int AudioTrackNumber(const SourceInfo& source, int audioIndex);
int SubtitleTrackNumber(const SourceInfo& source, int subtitleIndex);
