#pragma once
// The queue kept in the store, one binary value "Job_%d" per stored slot.

struct App;

void SaveQueue(App& app);
void LoadQueue(App& app);
