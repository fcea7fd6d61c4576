#pragma once
// The mkvmerge command line of a Matroska job: the video, then the audio
// and the subtitles that earlier steps wrote, each with its options, the
// title and the chapter file. Every option is quoted as mkvmerge's own
// option files quote them.

#include <string>
#include <string_view>

struct App;
struct JobRun;

// "CHAPTER01=<time>\r\nCHAPTER01NAME=1\r\n" for each time of the job's
// chapter list (times separated by ";"; empty pieces are skipped).
std::string ChapterFileText(std::string_view chapters);

// Chapters are muxed only from a list longer than 10 characters.
bool HasChapterList(const JobRun& run);

// The subtitle file the mux takes: the resized pictures when BDSup2Sub
// ran for the job, else the forced captions, else the extracted track.
std::string MuxedSubtitleFile(const JobRun& run);

std::string MkvMergeCommandLine(const App& app, const JobRun& run);
