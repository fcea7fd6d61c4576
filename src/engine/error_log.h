#pragma once
// "error_log.txt" in the temporary folder: one entry per failed tool run,
// the command line and its exit code. The file only grows.

#include <ctime>
#include <string>

struct JobRun;

// One entry, stamped with the local time `when`.
std::string ErrorLogEntry(const std::tm& when, const std::string& commandLine, int exitCode);

// A tool of the job failed: the job is marked failed (refreshed, saved),
// the status display reset, the entry appended (lost when the log cannot
// be opened) and the next job started.
void FailJob(JobRun& run, const std::string& commandLine, int exitCode);
