#pragma once
// The switches of the Options menu and its title-naming modes.

struct App;

// Power off when the queue runs dry; the window title says so.
void ToggleShutdown(App& app, int menuBar, int item);
void ToggleFinishSound(App& app, int menuBar, int item);
void ToggleDebugMode(App& app, int menuBar, int item);
// One naming mode checked, kept in the settings at once.
void ChooseScrapeMode(App& app, int menuBar, int item);
