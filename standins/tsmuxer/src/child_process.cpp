#include "child_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

extern char** environ;

namespace tsmuxer {

namespace {

class LineSplitter {
 public:
  explicit LineSplitter(const std::function<void(const std::string&)>& onLine) : onLine_(onLine) {}
  void feed(const char* data, size_t size) {
    for (size_t i = 0; i < size; ++i) {
      if (data[i] == '\n' || data[i] == '\r') flush();
      else line_ += data[i];
    }
  }
  void flush() {
    if (!line_.empty()) onLine_(line_);
    line_.clear();
  }

 private:
  const std::function<void(const std::string&)>& onLine_;
  std::string line_;
};

// Both pipe ends are close-on-exec; only the dup2 copy reaches the child.
pid_t spawnWithPipe(const std::vector<std::string>& argv, int pipeWrite) {
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, pipeWrite, STDOUT_FILENO);
  pid_t pid = -1;
  const int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  return rc == 0 ? pid : -1;
}

int waitFor(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0)
    if (errno != EINTR) return -1;
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  return 128 + WTERMSIG(status);
}

}  // namespace

int runChild(const std::vector<std::string>& argv, const std::function<void(const std::string&)>& onLine) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return -1;
  const pid_t pid = spawnWithPipe(argv, fds[1]);
  close(fds[1]);
  if (pid < 0) {
    close(fds[0]);
    return -1;
  }
  LineSplitter lines(onLine);
  char buffer[4096];
  for (ssize_t got; (got = read(fds[0], buffer, sizeof buffer)) != 0;) {
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) break;
    lines.feed(buffer, static_cast<size_t>(got));
  }
  lines.flush();
  close(fds[0]);
  return waitFor(pid);
}

}  // namespace tsmuxer
