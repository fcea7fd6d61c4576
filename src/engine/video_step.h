#pragma once
// The video step: x264 in two passes (AVCHD) or one constant-quality pass
// (Matroska), each pass skipped when its result exists.

struct JobRun;

// Encodes the job's video unless it is copied; false when the run must end.
bool RunVideoStep(JobRun& run);
