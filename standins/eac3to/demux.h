#pragma once

#include "command_line.h"
#include "event_log.h"
#include "track.h"

namespace eac3to {

// Writes every track the command line asks for, each under a temporary name
// renamed when all are whole. Logs each file and, for video, the line
// "Video track N contains M frames.". Throws Failure and Stopped.
void Demux(const Source& source, const CommandLine& commandLine, EventLog& log);

}  // namespace eac3to
