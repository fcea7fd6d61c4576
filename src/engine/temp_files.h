#pragma once
// The temporary files of a job, named after its output name and slot.

struct App;

// Removes the job's temporary files; with `force` 0 nothing is removed
// while debug mode is on, so that they can be looked at.
void BorraTemporals(App& app, int slot, int force);
