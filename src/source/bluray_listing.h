#pragma once
// Reading eac3to's listing of a Blu-ray folder: its numbered playlist
// lines "1) 00800.mpls, 00001.m2ts, 1:52:10", or for playlists of several
// clips "2) 00801.mpls, 1:52:10" with "   [00001+00002].m2ts" on the next
// line. The listing is read with "\n" before its first line, so that
// every line starts after a "\n".

#include <string>
#include <string_view>
#include <vector>

// What opening the folder does with its listing.
struct ListingDecision {
  enum Kind { Fail, ChoosePlaylist, LoadMainPlaylist };
  Kind kind = Fail;
  std::string info;          // ChoosePlaylist: the dialog's message (empty: its own)
  std::string clipFile;      // LoadMainPlaylist: "00001.m2ts"
  std::string durationText;  // LoadMainPlaylist: "1:52:10"
};

inline constexpr const char* kTwoMainPlaylists = "This Blu-Ray seems to contain two or more main playlists.";

// A listing that is empty, holds "<ERROR>", has no playlist 1 or a line
// that does not split fails. The dialog is needed when playlist 1 has
// several clips, or when playlist 2 is a single clip of more than 40
// minutes; otherwise playlist 1 is the movie.
ListingDecision DecideListing(std::string_view listing);

struct PlaylistLine {
  int number = 0;
  std::string name;          // "00800.mpls"
  std::string clips;         // "00001+00002" or "00001.m2ts"
  std::string durationText;  // "1:52:10"
};

// Playlists 1 to 15 as the playlist dialog lists them; reading stops at
// the first number missing or a line that does not split.
std::vector<PlaylistLine> ParsePlaylistLines(std::string_view listing);

// "h:m:s" in whole seconds with the seconds ignored; -1 without minutes.
int DurationToSeconds(std::string_view text);
