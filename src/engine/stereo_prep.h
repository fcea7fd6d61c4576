#pragma once
// Preparing a 3D job for x264: the two views extracted by the demux step
// become one side-by-side picture through a generated AviSynth script
// and the stereo decoder's configuration.

#include <string>

struct App;
struct JobRun;

// The frame count eac3to logged for the video ("Video track 1 contains
// 1000 frames."); -1 when the log is missing or names none.
int FrameCountFromLog(const std::string& logPath);

std::string DecoderConfigText(const JobRun& run);
std::string ScriptText(const App& app, const JobRun& run);

// Takes the frame count from the demux log, rewrites the decoder
// configuration and writes the script unless it exists.
void PrepareStereo(JobRun& run);
