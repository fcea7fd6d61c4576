#pragma once
// Opening what belongs to the selected job with the desktop's programs.

struct App;

// The AVCHD folder, or for an MKV job the output folder of the settings.
void OpenOutputFolder(App& app);
// The folder of an MKV source file, or the Blu-ray root.
void OpenSourceFolder(App& app);
// "error_log.txt" in the temporary folder.
void ViewErrorLog(App& app);
