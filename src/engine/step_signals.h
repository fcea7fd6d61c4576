#pragma once
// What the window shows while a job's steps run: the progress bar with
// the step's label, the status line, the launcher button.

#include <cstdint>
#include <string>

struct App;
struct JobRun;

// The signals at the start of a tool step: bar at 0 with the label, the
// job's state (refreshed and saved), launcher busy, first progress ahead.
// False when the run must end instead: stopped or cancelled meanwhile.
bool BeginToolStep(JobRun& run, int32_t state, const std::string& label);

void SetProgressBar(App& app, int value);
void SetProgressLabel(App& app, const std::string& label);
std::string ProgressLabel(App& app);
void SetStatusLine(App& app, const std::string& text);
void ClearStatusLine(App& app);
