#include "tools/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

namespace tools {

namespace {

constexpr auto kKillGrace = std::chrono::seconds(2);
constexpr auto kPollStep = std::chrono::milliseconds(10);

// The program blocks the session signals in every thread and the child
// inherits that mask (and any ignored signal) across exec: a tool would
// never see Stop's SIGTERM. Dispositions go first, so that a signal
// pending in the mask never meets a handler of ours.
void DefaultSignals() {
  struct sigaction byDefault {};
  byDefault.sa_handler = SIG_DFL;
  sigemptyset(&byDefault.sa_mask);
  for (int signal = 1; signal < NSIG; ++signal) sigaction(signal, &byDefault, nullptr);
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
}

// Runs in the child between fork and exec: only async-signal-safe calls.
[[noreturn]] void ExecChild(char* const* argv, int outFd, int errFd, int reportFd, bool idle) {
  DefaultSignals();
  setpgid(0, 0);
  if (idle) setpriority(PRIO_PROCESS, 0, 19);
  int devNull = open("/dev/null", O_RDWR);
  dup2(devNull, 0);
  dup2(outFd >= 0 ? outFd : devNull, 1);
  dup2(errFd >= 0 ? errFd : devNull, 2);
  execv(argv[0], argv);
  int err = errno;
  ssize_t ignored = write(reportFd, &err, sizeof err);
  (void)ignored;
  _exit(127);
}

void CloseFd(int& fd) {
  if (fd >= 0) close(fd);
  fd = -1;
}

}  // namespace

ChildProcess::~ChildProcess() {
  if (running_) {
    Terminate();
    Wait();
  }
  FinishReading();
}

bool ChildProcess::Start(const ProcessOptions& options, std::string& error) {
  if (options.argv.empty()) {
    error = "no program to start";
    return false;
  }
  std::vector<char*> argv;
  for (const auto& a : options.argv) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  int out[2] = {-1, -1}, err[2] = {-1, -1}, report[2] = {-1, -1};
  int logFd = -1;
  auto fail = [&](const std::string& why) {
    for (int* fd : {&out[0], &out[1], &err[0], &err[1], &report[0], &report[1], &logFd}) CloseFd(*fd);
    error = why;
    return false;
  };
  if (pipe2(report, O_CLOEXEC) != 0) return fail(std::string("cannot create a pipe: ") + strerror(errno));
  if (options.pipeStdout && pipe2(out, O_CLOEXEC) != 0) return fail(std::string("cannot create a pipe: ") + strerror(errno));
  if (options.titleFromStderr && pipe2(err, O_CLOEXEC) != 0) return fail(std::string("cannot create a pipe: ") + strerror(errno));
  if (!options.outputFile.empty()) {
    logFd = open(options.outputFile.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (logFd < 0) return fail("cannot open " + options.outputFile + ": " + strerror(errno));
  }
  const int childOut = out[1] >= 0 ? out[1] : logFd;
  const int childErr = err[1] >= 0 ? err[1] : logFd;

  FinishReading();
  {
    std::lock_guard<std::mutex> lock(titleMutex_);
    title_.clear();
  }
  output_.Clear();
  terminateRequested_ = false;
  pid_t pid = fork();
  if (pid < 0) return fail(std::string("cannot start a process: ") + strerror(errno));
  if (pid == 0) ExecChild(argv.data(), childOut, childErr, report[1], options.idlePriority);

  setpgid(pid, pid);  // also here, so the group exists before anyone signals it
  CloseFd(out[1]);
  CloseFd(err[1]);
  CloseFd(report[1]);
  CloseFd(logFd);
  int childErrno = 0;
  ssize_t got;
  while ((got = read(report[0], &childErrno, sizeof childErrno)) < 0 && errno == EINTR) {
  }
  CloseFd(report[0]);
  if (got > 0) {
    waitpid(pid, nullptr, 0);
    CloseFd(out[0]);
    CloseFd(err[0]);
    error = "cannot start " + options.argv[0] + ": " + strerror(childErrno);
    return false;
  }
  pid_ = pid;
  running_ = true;
  if (out[0] >= 0) {
    outputOpen_ = true;
    stdoutReader_.Start(out[0], [this](std::string_view bytes) { output_.Append(bytes); });
  }
  if (err[0] >= 0) stderrReader_.Start(err[0], [this](std::string_view bytes) { statusLines_.Feed(bytes); });
  return true;
}

int ChildProcess::Peek() const { return outputOpen_ ? static_cast<int>(output_.Size()) : -1; }

std::string ChildProcess::TakeOutput() { return output_.Take(); }

int ChildProcess::Wait() {
  const pid_t pid = pid_.load();
  if (!running_ || pid <= 0) return -1;
  int status = 0;
  auto termAt = std::chrono::steady_clock::time_point::max();
  for (;;) {
    pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid || (done < 0 && errno != EINTR)) break;
    if (terminateRequested_ && termAt == std::chrono::steady_clock::time_point::max())
      termAt = std::chrono::steady_clock::now();
    if (std::chrono::steady_clock::now() - termAt > kKillGrace) kill(-pid, SIGKILL);
    std::this_thread::sleep_for(kPollStep);
  }
  running_ = false;
  // What the tool started and left behind goes with it when it was stopped.
  if (terminateRequested_) kill(-pid, SIGKILL);
  FinishReading();
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

void ChildProcess::Terminate() {
  const pid_t pid = pid_.load();
  if (!running_ || pid <= 0) return;
  terminateRequested_ = true;
  kill(-pid, SIGTERM);
}

std::string ChildProcess::ConsoleTitle() {
  std::lock_guard<std::mutex> lock(titleMutex_);
  return title_;
}

// Only progress lines reach the title, as on Windows: the indexers' lines
// as they are, the encoder's status ("[12.3%] 123/1000 frames, ...") after
// the program name. Notices and warnings do not.
void ChildProcess::KeepStatusLine(std::string_view text) {
  const bool indexer = text.substr(0, 6) == "ffms [" || text.substr(0, 6) == "lavf [";
  const bool status = !text.empty() && (text[0] == '[' || (text[0] >= '0' && text[0] <= '9'));
  if (!indexer && !status) return;
  std::lock_guard<std::mutex> lock(titleMutex_);
  title_ = ((indexer ? "" : "x264 ") + std::string(text.substr(0, 199))).substr(0, 199);
}

void ChildProcess::FinishReading() {
  stdoutReader_.Finish();
  stderrReader_.Finish();
  statusLines_.Flush();
  outputOpen_ = false;
}

}  // namespace tools
