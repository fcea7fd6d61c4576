#pragma once
// Opening a decrypted Blu-ray folder or a video file as the source.

struct App;

// Picks a Blu-ray folder, lists its playlists with eac3to, and loads its
// main playlist or lets the user choose one.
void OpenBlurayFolder(App& app);

// Picks an .m2ts or .mkv file and loads it.
void OpenVideoFile(App& app);

// The end of every Blu-ray opening: the wait panel goes, a 3D source asks
// for 2D or 3D, and the scan button has the focus.
void FinishBlurayOpening(App& app, int waitPanel);
