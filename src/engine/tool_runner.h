#pragma once
// Starting the one external tool of a step and waiting for it.

#include <string>

struct App;

enum class Tool { Eac3to, BdSup2Sub, X264, TsMuxer, MkvMerge };

// The exit code given to a tool that could not be started, as a shell
// reports a program it cannot run.
inline constexpr int kToolNotStarted = 127;

struct ToolRun {
  std::string commandLine;
  bool started = false;
  int exitCode = 0;       // 0 when the tool's code is not read
  int abort = 0;          // the abort request seen when the run ended
  bool Ok() const { return exitCode == 0 && abort == 0; }
};

// Runs the command line (built by the step, its first word the tool) and
// waits for the tool to end. An abort request that is pending before the
// start keeps the tool from starting; one that arrives while it starts
// ends it at once.
ToolRun RunTool(App& app, Tool tool, const std::string& commandLine);

// The abort request of the running job: stop or cancel, also when a new
// start has cleared abortRequest since the tool was ended.
int PendingAbort(const App& app);

// Ends the running tool and what it started; harmless when none runs.
// Call it after setting abortRequest.
void TerminateRunningTool(App& app);

// The file that takes the tools' output in debug mode.
std::string DebugLogPath(const App& app);
