#pragma once

struct App;

// The queue's context menu for the selected job, at a place of the main
// panel; items the job does not allow are dimmed.
void ShowQueueMenu(App& app, int top, int left);
