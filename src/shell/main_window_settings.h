#pragma once

struct App;

// Shows the preferred media, preset and title-naming mode in the main
// window, and turns the bitrate box into a CRF box for MKV.
void ApplySettingsToMainWindow(App& app);
