#pragma once

struct App;

// Rebuilds the queue tree and the queue buttons from the job table.
void RedrawQueue(App& app);
