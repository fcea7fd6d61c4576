#pragma once
// The tsMuxeR control file (".meta") of an AVCHD job: its options and one
// line per stream, each taken from a file an earlier step wrote or from
// the source by track number. Lines end in "\r\n".

#include <string>

struct App;
struct JobRun;

struct MuxControl {
  std::string text;
  // What the file settles about the job, for the step to store: its
  // chapter list ("5" when it has no custom chapters) and the codec of
  // recoded audio ("A_AC3").
  std::string chapters;
  std::string audioCodecId;
};

MuxControl AvchdMuxControl(const App& app, const JobRun& run);
