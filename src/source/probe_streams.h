#pragma once
// One table of the source from the streams of one kind that libmediainfo
// reports. Each table is zero-filled first; streams beyond its capacity
// are left out and texts longer than their field are cut.

#include <string>

#include "source/source_info.h"

class MediaInfoFile;

void ReadGeneralStreams(const MediaInfoFile& file, SourceInfo& source);
void ReadVideoTracks(const MediaInfoFile& file, const std::string& durationText, SourceInfo& source);
void ReadAudioTracks(const MediaInfoFile& file, SourceInfo& source);
void ReadSubtitleTracks(const MediaInfoFile& file, SourceInfo& source);
