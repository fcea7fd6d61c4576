#pragma once
// The playlist dialog: the main playlists of a Blu-ray folder, the clips
// of the selected one, and opening it as one clip or as joined clips.

#include <string>
#include <string_view>

struct App;

// Loads the dialog over the main window for the folder and its listing;
// a non-empty `info` replaces the dialog's own message.
void OpenPlaylistDialog(App& app, const std::string& folder, std::string_view listing, const std::string& info);

// Lists playlists 1 to 15 of the listing and keeps their clips and
// durations in the source's playlist table.
void FillPlaylistList(App& app, std::string_view listing, int dialog);
// Shows the clips of the selected playlist.
void ShowPlaylistClips(App& app, int dialog);

int CallPlayListSelect(App& app, int dialog, int event);
// Opens the selected playlist: its largest clip alone when the others are
// small extras, else its clips joined.
int CallPlaylistGo(App& app, int dialog, int event);
int CallCancelMultiPlaylist(App& app, int dialog, int event);
