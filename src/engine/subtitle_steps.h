#pragma once
// The two subtitle steps between demuxing and encoding, both under the
// state JobDemuxing: keeping only the forced captions of a PGS stream
// (done here, without a tool), and resizing or moving the subtitle
// pictures with BDSup2Sub.

struct JobRun;

// Writes ".forced.sup" from the extracted ".sup"; false when the run must end.
bool RunForcedCaptionStep(JobRun& run);
// Writes ".resized.sup"; only an abort ends the run (false).
bool RunBdSup2SubStep(JobRun& run);
