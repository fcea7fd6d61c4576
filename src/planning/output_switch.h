#pragma once
// The output box shows the AVCHD folder for disc media and the MKV file
// for the MKV targets. What the user typed there is kept as the path of
// the kind it names, so switching media back and forth never loses it.

struct App;

void SwitchOutputPath(App& app, int media);
