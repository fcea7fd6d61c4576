#pragma once
// "Analyzing BD structure... Please wait..." while a playlist is analysed.

struct App;

// Returns the panel's handle for HideWaitPanel.
int ShowWaitPanel(App& app);
void HideWaitPanel(App& app, int waitPanel);
