#pragma once
// The Matroska muxing step: mkvmerge joins the video, audio and subtitles
// of the earlier steps into the job's output file.

struct JobRun;

// Runs mkvmerge for a Matroska job; false when the run must end.
bool RunMkvMergeStep(JobRun& run);
