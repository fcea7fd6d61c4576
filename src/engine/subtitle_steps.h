#pragma once
// The two subtitle steps between demuxing and encoding, both under the
// state JobDemuxing: keeping only the forced captions of a PGS stream
// (done here, without a tool), and resizing or moving the subtitle
// pictures with BDSup2Sub.

#include <string>

struct App;
struct JobRun;

// Writes ".forced.sup" from the extracted ".sup"; false when the run must
// end (the extraction failed: the error log names the file).
bool RunForcedCaptionStep(JobRun& run);

// "java -Xmx256m -jar <jar> <input> <.resized.sup> /fps:keep[ crop][ resize]"
std::string BdSup2SubCommandLine(const App& app, const JobRun& run);
// Writes ".resized.sup"; BDSup2Sub's exit code is not read, so only an
// abort (or a Java runtime that cannot be started) ends the run (false).
bool RunBdSup2SubStep(JobRun& run);
