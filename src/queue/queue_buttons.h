#pragma once

struct App;

// Remove, Up and Down follow the selected job: usable exactly when the
// action is allowed on it.
void UpdateQueueButtons(App& app);
