#pragma once
// One external tool run as a child process in a process group of its own,
// so that ending it also ends whatever it started.

#include <sys/types.h>

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "tools/line_splitter.h"
#include "tools/output_buffer.h"
#include "tools/pipe_reader.h"

namespace tools {

struct ProcessOptions {
  std::vector<std::string> argv;  // argv[0] is the absolute program path
  bool pipeStdout = false;        // standard output to a pipe the caller reads
  bool titleFromStderr = false;   // keep x264's last status line as its title
  bool idlePriority = false;      // nice 19
  // When set, standard output and error are appended to this file (the
  // visible log of debug mode); otherwise what is not piped is discarded.
  std::string outputFile;
};

class ChildProcess {
 public:
  ChildProcess() = default;
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Starts the program; false with a message when it cannot be started
  // (missing, not executable, no pipe).
  bool Start(const ProcessOptions& options, std::string& error);
  pid_t Pid() const { return pid_.load(); }

  // The piped standard output is drained as it comes, so the tool never
  // waits for its reader; the newest kOutputLimit bytes of it are kept
  // until taken. Peek: the bytes kept; -1 when there is no pipe or the
  // tool has ended.
  static constexpr size_t kOutputLimit = 64 * 1024;
  int Peek() const;
  // What was kept, oldest first; nothing is kept afterwards.
  std::string TakeOutput();

  // Blocks until the child has ended; returns its exit code, or 128 plus
  // the signal that ended it. Closes the pipes afterwards.
  int Wait();

  // Ends the child and its process group: SIGTERM, then SIGKILL to what
  // is left after a short grace (Wait sends it). Harmless when the child
  // has ended.
  void Terminate();

  // x264 shows its progress in its console title on Windows; here the
  // title is made from its last status line on standard error: "x264 "
  // and the line, or the indexer's own line ("ffms [info]: ...").
  std::string ConsoleTitle();

 private:
  void KeepStatusLine(std::string_view line);
  void FinishReading();

  std::atomic<pid_t> pid_{0};
  std::atomic<bool> running_{false};
  std::atomic<bool> terminateRequested_{false};
  std::atomic<bool> outputOpen_{false};
  OutputBuffer output_{kOutputLimit};
  PipeReader stdoutReader_;
  PipeReader stderrReader_;
  LineSplitter statusLines_{[this](std::string_view line) { KeepStatusLine(line); }};
  std::mutex titleMutex_;
  std::string title_;
};

}  // namespace tools
