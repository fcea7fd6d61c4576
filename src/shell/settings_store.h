#pragma once
// Reading the preferences from the store at start, with their defaults and
// repairs, and writing them back after every change.

struct App;

// Fills the settings, repairs missing values, creates the temporary and
// output folders, reads the client identifier and labels the custom media
// entry of the main window.
void LoadSettings(App& app);
// Writes every value, "Version" set to this program's version, in one
// transaction; a failure is told to the user and gives false.
bool SaveSettings(App& app);
