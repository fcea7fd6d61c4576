#pragma once
// The advanced options dialog: x264 tune and extra parameters, resize to
// 720p and crop, kept in memory for the jobs added next.

struct App;

void OpenAdvancedOptions(App& app);
// Keeps the dialog's values and renews the planner's advice.
void ApplyAdvancedOptions(App& app, int panel);
void CancelAdvancedOptions(App& app, int panel);
