#include "engine/tool_runner.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "platform/fixed_text.h"
#include "shell/app.h"
#include "tools/command_line.h"
#include "tools/tool_paths.h"

namespace {

struct ToolTraits {
  bool piped;
  const char* consoleTitle;  // shown above the tool's output in debug mode
  bool idlePriority;
  bool readsExitCode;
};

const ToolTraits& TraitsOf(Tool tool) {
  static const ToolTraits eac3to{true, "[EAC3TO PROCESS] Do not close this window!!!", false, true};
  static const ToolTraits bdsup2sub{false, "[RESIZING/CROPING SUBTITLES] Do not close this window!!!", false,
                                  false};
  static const ToolTraits x264{false, "", true, true};
  static const ToolTraits tsmuxer{true, "[TSMUXER PROCESS] Do not close this window!!!", false, true};
  static const ToolTraits mkvmerge{true, "[MKVMERGE PROCESS] Do not close this window!!!", false, true};
  switch (tool) {
    case Tool::Eac3to: return eac3to;
    case Tool::BdSup2Sub: return bdsup2sub;
    case Tool::X264: return x264;
    case Tool::TsMuxer: return tsmuxer;
    case Tool::MkvMerge: return mkvmerge;
  }
  return eac3to;
}

// The Java runtime is named by its plain name and found on the PATH.
std::vector<std::string> ToolArgv(const std::string& commandLine) {
  std::vector<std::string> argv = tools::SplitCommandLine(commandLine);
  if (!argv.empty() && !std::filesystem::path(argv[0]).is_absolute()) {
    std::string found = tools::FindOnPath(argv[0]);
    if (!found.empty()) argv[0] = found;
  }
  return argv;
}

// Debug mode: each tool's output follows its title and command line in
// one log, which the desktop shows the first time.
std::string OpenDebugLog(App& app, const ToolTraits& traits, const std::string& commandLine) {
  const std::string path = DebugLogPath(app);
  std::ofstream(path, std::ios::app) << "\n=== " << (*traits.consoleTitle ? traits.consoleTitle : "[X264]")
                                     << "\n" << commandLine << "\n";
  if (!app.tool.debugLogShown.exchange(true)) app.shell.Open(path);
  return path;
}

tools::ProcessOptions Options(App& app, Tool tool, const std::string& commandLine) {
  const ToolTraits& traits = TraitsOf(tool);
  tools::ProcessOptions options;
  options.argv = ToolArgv(commandLine);
  options.idlePriority = traits.idlePriority;
  if (app.switches.debugMode) {
    options.outputFile = OpenDebugLog(app, traits, commandLine);
  } else {
    options.pipeStdout = traits.piped;
    options.titleFromStderr = tool == Tool::X264;
  }
  return options;
}

}  // namespace

int PendingAbort(const App& app) { return std::max(app.tool.abortRequest.load(), app.tool.abortSeen.load()); }

ToolRun RunTool(App& app, Tool tool, const std::string& commandLine) {
  ToolRun run{commandLine};
  if ((run.abort = PendingAbort(app)) != AbortNone) return run;
  std::string error;
  if (!app.tool.process.Start(Options(app, tool, commandLine), error)) {
    if (app.switches.debugMode) std::ofstream(DebugLogPath(app), std::ios::app) << error << "\n";
    run.exitCode = kToolNotStarted;
    run.abort = PendingAbort(app);
    return run;
  }
  run.started = true;
  // A stop that came while the tool was being started found nothing to end.
  if (PendingAbort(app) != AbortNone) app.tool.process.Terminate();
  const int code = app.tool.process.Wait();
  run.exitCode = TraitsOf(tool).readsExitCode ? code : 0;
  run.abort = PendingAbort(app);
  return run;
}

void TerminateRunningTool(App& app) {
  const int request = app.tool.abortRequest.load();
  int seen = app.tool.abortSeen.load();
  while (seen < request && !app.tool.abortSeen.compare_exchange_weak(seen, request)) {
  }
  app.tool.process.Terminate();
}

std::string DebugLogPath(const App& app) {
  return (std::filesystem::path(platform::FixedText(app.settings.TempPath)) / "debug_log.txt").string();
}
