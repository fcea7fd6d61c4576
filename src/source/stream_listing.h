#pragma once
// What eac3to tells about the chosen source: its chapters, whether it
// carries a right-eye (3D) video stream, and the DTS core bitrates of its
// HD audio tracks.

#include <string>
#include <string_view>

#include "source/source_info.h"

struct App;

// Sets the source-kind flags and, except for .mkv files, runs eac3to on
// the .m2ts file or on playlist `playlistNumber` of a Blu-ray folder for
// the chapter list and the right-eye stream.
void ListSourceStreams(App& app, const std::string& sourcePath, int playlistNumber);

// True when a line of the listing (up to its first empty line) names a
// "(right eye)" stream.
bool LogShowsRightEye(std::string_view log);

// Runs eac3to on the stream file and reads the core bitrates of the DTS-HD
// MA and HRA audio tracks.
void ReadCoreBitrates(App& app, const std::string& streamPath);

// The core bitrates from an eac3to listing. Tracks are found by the
// numbers eac3to gives them; the first track that cannot be read ends the
// reading, and later tracks keep their values.
void ApplyCoreBitrates(std::string_view listing, SourceInfo& source);
