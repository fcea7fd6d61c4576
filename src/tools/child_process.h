#pragma once
// One external tool run as a child process in a process group of its own,
// so that ending it also ends whatever it started.

#include <sys/types.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

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

  // Bytes waiting in the output pipe without blocking; -1 when there is
  // no pipe, it is closed or the query fails.
  int Peek();
  // Reads up to `count` bytes from the output pipe (fewer at its end).
  std::string Read(size_t count);

  // Blocks until the child has ended; returns its exit code, or 128 plus
  // the signal that ended it. Closes the pipes afterwards.
  int Wait();

  // Ends the child and its process group: SIGTERM, then SIGKILL to what
  // is left after a short grace. Harmless when the child has ended.
  void Terminate();

  // x264 shows its progress in its console title on Windows; here the
  // title is made from its last status line on standard error: "x264 "
  // and the line, or the indexer's own line ("ffms [info]: ...").
  std::string ConsoleTitle();

 private:
  void ReadStderr(int fd);
  void ClosePipes();

  std::atomic<pid_t> pid_{0};
  std::atomic<bool> running_{false};
  std::atomic<bool> terminateRequested_{false};
  std::mutex pipeMutex_;
  int stdoutFd_ = -1;
  std::thread stderrReader_;
  std::mutex titleMutex_;
  std::string title_;
};

}  // namespace tools
