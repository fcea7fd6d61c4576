#pragma once
// eac3to runs of source analysis: the listing of a folder, a playlist or
// a file written into work files in the temporary folder, which are read
// once and deleted.

#include <string>
#include <vector>

struct App;

inline constexpr const char* kEac3toLogName = "eac3to_log.txt";
inline constexpr const char* kChapterFileName = "cap.txt";
inline constexpr size_t kWorkFileReadLimit = 30000;

// The command line's paths in double quotes, eac3to's own path first.
// Empty (after telling the user) when a path holds a double quote, which
// no quoting can carry.
std::vector<std::string> QuotedEac3toPaths(App& app, const std::vector<std::string>& paths);

// Runs eac3to hidden at normal priority and waits for it with the wait
// cursor shown. Its exit code says nothing we use: the work files do.
void RunEac3to(App& app, const std::string& commandLine);

// Runs eac3to on a folder or a stream file with only a log wanted
// ("eac3to" "target" -log="log") and returns the log's text.
std::string ListWithEac3to(App& app, const std::string& target);

// At most `limit` bytes of a work file, with "\r\n" read as "\n"; the
// file is deleted. Empty when it cannot be read.
std::string TakeWorkFile(const std::string& path, size_t limit = kWorkFileReadLimit);
