#pragma once
// The chapter list of the source: one start time per line in the chapters
// box CAPITOLS, which job composition reads.

#include <string>
#include <string_view>

struct App;

// The start times of an eac3to chapter file ("CHAPTER01=00:00:00.000" and
// "CHAPTER01NAME=..." lines), each followed by "\n". The last line is
// never taken: it is a name line.
std::string ChaptersFromCapText(std::string_view capText);

// A list replaces the chapters box; without one the box and the duration
// are emptied and the source is marked as having no chapters.
void ShowChapterList(App& app, const std::string& chapters);
