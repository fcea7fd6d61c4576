// The real program, started without a display (offscreen): it comes up,
// refuses a second copy while it runs, ends cleanly at the end of the
// session, and refuses to start without its window definition.

#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "harness/temp_dir.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

struct Program {
  pid_t pid = 0;
  std::string errFile;
};

Program Start(const test::TempDir& dir, const std::string& binary, const std::string& name) {
  Program p;
  p.errFile = dir / (name + ".err");
  std::vector<std::string> env = {"QT_QPA_PLATFORM=offscreen", "HOME=" + (dir / "home"),
                                  "XDG_CONFIG_HOME=" + (dir / "config"), "XDG_CACHE_HOME=" + (dir / "cache"),
                                  "XDG_RUNTIME_DIR=" + dir.path().string(), "PATH=/usr/bin:/bin"};
  std::vector<char*> envp;
  for (auto& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 2, p.errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  char* argv[] = {const_cast<char*>(binary.c_str()), nullptr};
  EXPECT_EQ(posix_spawn(&p.pid, binary.c_str(), &actions, nullptr, argv, envp.data()), 0);
  posix_spawn_file_actions_destroy(&actions);
  return p;
}

// Waits up to `limit` for the program to end; its exit code, or -1000.
int WaitExit(pid_t pid, std::chrono::milliseconds limit) {
  for (auto waited = 0ms; waited < limit; waited += 20ms) {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -100 - WTERMSIG(status);
    std::this_thread::sleep_for(20ms);
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  return -1000;
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit = 20s) {
  for (auto waited = 0ms; waited < limit; waited += 50ms) {
    if (condition()) return true;
    std::this_thread::sleep_for(50ms);
  }
  return false;
}

// The settings are written once the main window is up.
bool SettingsWritten(const test::TempDir& dir) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2((dir / "config/Quandrell/registry.db").c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
    sqlite3_close(db);
    return false;
  }
  sqlite3_stmt* s = nullptr;
  bool found = sqlite3_prepare_v2(db, "SELECT 1 FROM registry_values WHERE name = 'Scrape'", -1, &s, nullptr) == SQLITE_OK &&
               sqlite3_step(s) == SQLITE_ROW;
  sqlite3_finalize(s);
  sqlite3_close(db);
  return found;
}

TEST(Program, StartsRefusesASecondCopyAndEndsWithTheSession) {
  test::TempDir dir;
  fs::create_directories(dir / "home");
  Program first = Start(dir, QUANDRELL_BINARY, "first");
  ASSERT_TRUE(WaitFor([&] { return SettingsWritten(dir); })) << test::ReadFile(first.errFile);

  Program second = Start(dir, QUANDRELL_BINARY, "second");
  ASSERT_TRUE(WaitFor([&] {
    return test::ReadFile(second.errFile).find("Another instance of Quandrell is already running!") != std::string::npos;
  }));
  kill(second.pid, SIGTERM);  // the user's session ends while the message is shown
  EXPECT_EQ(WaitExit(second.pid, 10s), 0);
  EXPECT_EQ(kill(first.pid, 0), 0) << "the first copy must keep running";

  kill(first.pid, SIGTERM);
  EXPECT_EQ(WaitExit(first.pid, 10s), 0) << test::ReadFile(first.errFile);
}

TEST(Program, AMissingOrDamagedWindowDefinitionEndsStartUpWithAMessage) {
  test::TempDir dir;
  fs::create_directories(dir / "home");
  fs::create_directories(dir / "bin");
  const std::string binary = dir / "bin/quandrell";
  fs::copy_file(QUANDRELL_BINARY, binary);
  // The message stays up until the user closes it (here: the session ends).
  auto expectRefusal = [&](const std::string& name, const std::string& words) {
    Program p = Start(dir, binary, name);
    EXPECT_TRUE(WaitFor([&] { return test::ReadFile(p.errFile).find(words) != std::string::npos; }))
        << test::ReadFile(p.errFile);
    kill(p.pid, SIGTERM);
    EXPECT_EQ(WaitExit(p.pid, 10s), 1);
  };
  expectRefusal("missing", "window definition is missing or damaged");
  test::WriteFile(dir / "bin/Quandrell.uir", "panel PANEL \"Quandrell\" size=10,10\n  control X gizmo\nend\n");
  expectRefusal("damaged", "line 2: unknown control kind \"gizmo\"");
}

}  // namespace
