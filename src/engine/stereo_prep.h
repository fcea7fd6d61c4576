#pragma once
// Preparing a 3D job for x264: the two views extracted by the demux step
// become one side-by-side picture through a generated AviSynth script
// and the stereo decoder's configuration.

#include <string>

struct App;
struct JobRun;

// The frame count eac3to logged for the video ("Video track 1 contains
// 1000 frames."); -1 when the log is missing, names none, or names a
// count no film has (below 1 or above kMaxFrames).
inline constexpr int kMaxFrames = 10'000'000;  // a day of film at 115 frames a second
int FrameCountFromLog(const std::string& logPath);

std::string DecoderConfigText(const JobRun& run);
std::string ScriptText(const App& app, const JobRun& run);

// Rewrites the decoder configuration and writes the script unless it
// exists. The frame count is the job's: the video step stores the demux
// log's count first.
void PrepareStereo(const JobRun& run);
