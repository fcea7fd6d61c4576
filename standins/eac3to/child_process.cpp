#include "child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

#include "failure.h"
#include "stop_signal.h"

namespace eac3to {
namespace {

constexpr std::size_t kKeptErrorLines = 8;

struct Pipe {
  int read = -1, write = -1;
  Pipe() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) throw Failure("No pipe for the child process.");
    read = fds[0];
    write = fds[1];
  }
};

[[noreturn]] void ExecChild(const std::vector<std::string>& argv, const Pipe& out,
                            const Pipe& err, const Pipe& execFailure, const ChildInput* input) {
  prctl(PR_SET_PDEATHSIG, SIGTERM);  // never outlive us, also after a SIGKILL
  if (input) dup2(input->ChildEnd(), STDIN_FILENO);
  dup2(out.write, STDOUT_FILENO);
  dup2(err.write, STDERR_FILENO);
  std::vector<char*> args;
  for (const auto& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  execvp(args[0], args.data());
  const int code = errno;
  (void)!::write(execFailure.write, &code, sizeof code);
  _exit(127);
}

// Splits a byte stream into lines; "\r" ends a line as well as "\n".
class LineSplitter {
 public:
  explicit LineSplitter(std::function<void(const std::string&)> onLine)
      : onLine_(std::move(onLine)) {}
  void Feed(const char* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
      if (data[i] != '\n' && data[i] != '\r') {
        pending_ += data[i];
      } else if (!pending_.empty()) {
        onLine_(pending_);
        pending_.clear();
      }
    }
  }
  void Flush() { Feed("\n", 1); }

 private:
  std::function<void(const std::string&)> onLine_;
  std::string pending_;
};

// Reads both pipes until the child closes them; asks it to stop when we are asked.
void Drain(pid_t pid, int outFd, int errFd, LineSplitter& out, LineSplitter& err, bool& stopped) {
  pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
  LineSplitter* splitters[2] = {&out, &err};
  int open = 2;
  while (open > 0) {
    if (StopRequested() && !stopped) {
      stopped = true;
      kill(pid, SIGTERM);
    }
    if (poll(fds, 2, 200) <= 0) continue;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      char buffer[4096];
      const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) splitters[i]->Feed(buffer, static_cast<std::size_t>(n));
      if (n == 0 || (n < 0 && errno != EINTR)) {
        fds[i].fd = -1;
        --open;
      }
    }
  }
  out.Flush();
  err.Flush();
}

int WaitForExit(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The errno of a failed exec, 0 when the program started.
int ExecError(int execFailureFd) {
  int code = 0;
  const bool failed = ::read(execFailureFd, &code, sizeof code) == sizeof code;
  close(execFailureFd);
  return failed ? code : 0;
}

}  // namespace

ChildResult RunChild(const std::vector<std::string>& argv,
                     const std::function<void(const std::string&)>& onLine, ChildInput* input) {
  Pipe out, err, execFailure;
  const pid_t pid = fork();
  if (pid < 0) throw Failure("No child process can be started.");
  if (pid == 0) ExecChild(argv, out, err, execFailure, input);
  for (int fd : {out.write, err.write, execFailure.write}) close(fd);
  if (input) input->Start();
  ChildResult result;
  LineSplitter outLines(onLine);
  LineSplitter errLines([&](const std::string& line) {
    result.errorLines.push_back(line);
    if (result.errorLines.size() > kKeptErrorLines) result.errorLines.erase(result.errorLines.begin());
  });
  Drain(pid, out.read, err.read, outLines, errLines, result.stopped);
  for (int fd : {out.read, err.read}) close(fd);
  result.exitCode = WaitForExit(pid);
  if (input) result.inputError = input->Finish();
  if (const int code = ExecError(execFailure.read))
    throw Failure("The program \"" + argv[0] + "\" can't be started: " + std::strerror(code) + ".");
  result.stopped = result.stopped || StopRequested();
  return result;
}

}  // namespace eac3to
