#pragma once
// The video bitrate that makes the output fit the chosen medium, or the
// quality advice for constant-quality targets.

struct App;

// With keepUserValue 1 a value the user typed into BITRATE stays.
void PlanVideoBitrate(App& app, int keepUserValue);
