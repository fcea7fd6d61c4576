#pragma once
// The job the user selected in the queue tree: every line of a job, its
// own and its details, carries the job's slot index as its value.

struct App;

// The selected job's slot, or -1 when the tree is empty or nothing is
// selected.
int SelectedSlot(App& app);

// Selects the line of the job in `slot`.
void SelectSlot(App& app, int slot);
