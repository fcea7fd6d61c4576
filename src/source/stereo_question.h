#pragma once
// Blu-ray 3D sources: converted in 2D, or in 3D side by side.

struct App;

inline constexpr const char* kStereoQuestionTitle = "2D - 3D SELECTION";

// Asks 2D, 3D SBS or 3D SBS reversed. A 3D answer sets stereoMode, marks
// both output names with "3D" (unless the name already says 3D), shows
// the output path and plans the bitrate again.
void AskStereoMode(App& app);
