#pragma once
// "Remove and Delete Source" of a finished job.

struct App;

// Deletes the selected finished job's source, then removes the job. Only
// two things are ever deleted: the one source file of an MKV job, or a
// Blu-ray root (a folder that holds a BDMV folder) through the guarded
// folder-tree deletion. Anything else stays, and the user is told.
void RemoveJobAndSource(App& app);
