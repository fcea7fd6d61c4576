#include "run.h"

#include "bluray_disc.h"
#include "command_line.h"
#include "demux.h"
#include "event_log.h"
#include "failure.h"
#include "file_probe.h"
#include "source_listing.h"
#include "stop_signal.h"

namespace eac3to {
namespace {

void ListAndDemux(const Source& source, const CommandLine& commandLine, EventLog& log) {
  for (const auto& line : ListSource(source)) log.Line(line);
  if (commandLine.tracks.empty()) return;
  log.Line("");
  Demux(source, commandLine, log);
}

void RunDisc(const CommandLine& commandLine, EventLog& log) {
  const BlurayDisc disc(commandLine.source);
  if (commandLine.playlist == 0 && commandLine.tracks.empty()) {
    for (const auto& line : disc.Listing()) log.Line(line);
    return;
  }
  const int playlist = commandLine.playlist == 0 ? 1 : commandLine.playlist;
  ListAndDemux(disc.PlaylistSource(playlist), commandLine, log);
}

void RunFile(const CommandLine& commandLine, EventLog& log) {
  if (commandLine.playlist != 0)
    throw Failure("A playlist (\"" + std::to_string(commandLine.playlist) +
                  ")\") can only be chosen on a Blu-ray folder.");
  ListAndDemux(ProbeFile(commandLine.source), commandLine, log);
}

void RunCommandLine(const std::vector<std::string>& args, EventLog& log) {
  const CommandLine commandLine = ParseCommandLine(args);
  std::error_code error;
  if (std::filesystem::is_directory(commandLine.source, error)) RunDisc(commandLine, log);
  else RunFile(commandLine, log);
}

}  // namespace

int Run(const std::vector<std::string>& args) {
  EventLog log(LogFileArgument(args));
  log.Line("eac3to stand-in of Quandrell " QUANDRELL_VERSION);
  if (!log.Writable()) return 1;  // whoever reads the log would find nothing
  try {
    RunCommandLine(args, log);
    ThrowIfStopped();  // a stopped run never reports success
    log.Line("Done.");
    return 0;
  } catch (const Stopped& stopped) {
    log.Error(stopped.what());
    return 128 + StopSignal();
  } catch (const std::exception& failure) {
    log.Error(failure.what());
    return 1;
  }
}

}  // namespace eac3to
