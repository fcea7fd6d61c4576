// Child processes: output through the pipe, exit codes, a program that
// cannot start, and ending a tool that started a tool of its own.

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <thread>

#include "harness/temp_dir.h"
#include "tools/child_process.h"
#include "tools/tool_paths.h"

namespace {

using namespace std::chrono_literals;

// Alive and not a zombie waiting for whoever inherited it to reap it.
bool Running(pid_t pid) {
  const std::string stat = test::ReadFile("/proc/" + std::to_string(pid) + "/stat");
  const auto close = stat.rfind(')');
  return close != std::string::npos && close + 2 < stat.size() && stat[close + 2] != 'Z';
}

tools::ProcessOptions Shell(const std::string& script) {
  tools::ProcessOptions options;
  options.argv = {"/bin/sh", "-c", script};
  return options;
}

TEST(ChildProcess, PipedOutputAndExitCode) {
  tools::ChildProcess child;
  auto options = Shell("printf 'Progress: 42%%\\r'; exit 3");
  options.pipeStdout = true;
  std::string error;
  ASSERT_TRUE(child.Start(options, error)) << error;
  std::this_thread::sleep_for(200ms);
  EXPECT_EQ(child.Peek(), 14);
  EXPECT_EQ(child.TakeOutput(), "Progress: 42%\r");
  EXPECT_EQ(child.Peek(), 0);
  EXPECT_EQ(child.Wait(), 3);
  EXPECT_EQ(child.Peek(), -1);  // the pipe is closed once the tool has ended
}

TEST(ChildProcess, AProgramThatCannotStartSaysWhy) {
  tools::ChildProcess child;
  tools::ProcessOptions options;
  options.argv = {"/nonexistent/x264", "--version"};
  std::string error;
  EXPECT_FALSE(child.Start(options, error));
  EXPECT_NE(error.find("/nonexistent/x264"), std::string::npos);
}

TEST(ChildProcess, TitleFollowsTheEncodersStatusLines) {
  tools::ChildProcess child;
  auto options = Shell("printf 'x264 [info]: profile High\\n[12.5%%] 125/1000 frames, 30.1 fps\\r' >&2; sleep 0.3");
  options.titleFromStderr = true;
  std::string error;
  ASSERT_TRUE(child.Start(options, error));
  std::this_thread::sleep_for(150ms);
  EXPECT_EQ(child.ConsoleTitle(), "x264 [12.5%] 125/1000 frames, 30.1 fps");
  child.Wait();
}

TEST(ChildProcess, TerminatingAToolAlsoEndsTheToolItStarted) {
  test::TempDir dir;
  const std::string pidFile = dir / "grandchild.pid";
  tools::ChildProcess child;
  // The grandchild ignores SIGTERM, as a stubborn tool might.
  auto options = Shell("sh -c 'trap \"\" TERM; echo $$ > " + pidFile + "; while :; do sleep 1; done' & wait");
  std::string error;
  ASSERT_TRUE(child.Start(options, error));
  pid_t grandchild = 0;
  for (int i = 0; i < 100 && grandchild == 0; ++i) {
    std::this_thread::sleep_for(20ms);
    grandchild = atoi(test::ReadFile(pidFile).c_str());
  }
  ASSERT_GT(grandchild, 0);
  std::thread stopper([&] {
    std::this_thread::sleep_for(100ms);
    child.Terminate();
  });
  child.Wait();
  stopper.join();
  std::this_thread::sleep_for(100ms);
  EXPECT_FALSE(Running(grandchild)) << "grandchild still alive";
}

// main() blocks the session signals before any thread starts, so every
// thread has them blocked, and a child keeps that mask across exec: Stop's
// SIGTERM never reached a tool, which was killed 2 s later instead.
TEST(ChildProcess, AToolStartedUnderTheProgramsSignalMaskSeesSigtermAndEndsItself) {
  tools::ChildProcess child;
  auto options = Shell("trap 'echo stopped cleanly; exit 7' TERM; echo ready; while :; do sleep 0.05; done");
  options.pipeStdout = true;
  std::string error;
  bool started = false;
  std::thread starter([&] {
    sigset_t session;
    sigemptyset(&session);
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) sigaddset(&session, signal);
    pthread_sigmask(SIG_BLOCK, &session, nullptr);
    started = child.Start(options, error);
  });
  starter.join();
  ASSERT_TRUE(started) << error;
  std::string output;
  for (int i = 0; i < 250 && output.find("ready") == std::string::npos; ++i) {
    std::this_thread::sleep_for(20ms);
    output += child.TakeOutput();
  }
  ASSERT_NE(output.find("ready"), std::string::npos);
  const auto stop = std::chrono::steady_clock::now();
  child.Terminate();
  EXPECT_EQ(child.Wait(), 7);  // its own handler, not SIGKILL (137) after the grace
  EXPECT_LT(std::chrono::steady_clock::now() - stop, 1500ms);
  EXPECT_EQ(child.TakeOutput(), "stopped cleanly\n");
}

long ResidentKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return 0;
}

// x264 output without line ends once grew the program to 2 GB: a line was
// kept until its end came. A gigabyte without line ends on each pipe now
// passes with the memory held growing by less than 100 MB.
TEST(ChildProcess, AGigabyteWithoutLineEndsOnEachPipeKeepsMemoryBounded) {
  tools::ChildProcess child;
  auto options = Shell("head -c 1073741824 /dev/zero >&2 & head -c 1073741824 /dev/zero; wait");
  options.pipeStdout = true;
  options.titleFromStderr = true;
  std::string error;
  const long before = ResidentKiB();
  ASSERT_TRUE(child.Start(options, error)) << error;
  std::atomic<bool> done{false};
  int code = -1;
  std::thread waiter([&] {
    code = child.Wait();
    done = true;
  });
  long peak = before;
  while (!done) {
    peak = std::max(peak, ResidentKiB());
    std::this_thread::sleep_for(5ms);
  }
  waiter.join();
  EXPECT_EQ(code, 0);
  EXPECT_LT(peak - before, 100 * 1024) << "KiB grown";
  EXPECT_EQ(child.TakeOutput().size(), tools::ChildProcess::kOutputLimit);
  EXPECT_EQ(child.ConsoleTitle(), "");  // zero bytes make no status line
}

TEST(ToolPaths, AToolsFolderOverridesEverything) {
  setenv("QUANDRELL_TOOLS_DIR", "/fake/tools", 1);
  EXPECT_EQ(tools::ResolveTool("x264\\x264_x64.exe", "/opt/quandrell"), "/fake/tools/x264/x264");
  EXPECT_EQ(tools::ResolveTool("tsmuxer\\tsMuxeR.exe", "/opt/quandrell"), "/fake/tools/tsmuxer/tsMuxeR");
  unsetenv("QUANDRELL_TOOLS_DIR");
  const std::string savedPath = getenv("PATH");
  setenv("PATH", "/nonexistent", 1);
  EXPECT_EQ(tools::ResolveTool("eac3to\\eac3to.exe", "/opt/quandrell"), "/opt/quandrell/eac3to/eac3to");
  EXPECT_EQ(tools::ResolveTool("bdsup2sub\\bdsup2sub400.jar", "/opt/q"), "/opt/q/bdsup2sub/bdsup2sub400.jar");
  setenv("PATH", savedPath.c_str(), 1);
}

}  // namespace
