#pragma once
// The status timer: while a job runs it follows the running tool and shows
// its progress on the progress bar, the status line and the launcher.

#include "ui/callback_table.h"

struct App;

void BindProgressCallbacks(App& app, ui::CallbackTable& table);

// One tick of the status timer.
void ShowToolProgress(App& app);
