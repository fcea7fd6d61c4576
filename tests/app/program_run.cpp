#include "program_run.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <map>
#include <thread>

extern char** environ;

namespace test {

using namespace std::chrono_literals;

std::vector<std::string> UserEnvironment(const TempDir& dir) {
  std::filesystem::create_directories(dir.path() / "home");
  return {"HOME=" + (dir / "home"), "XDG_CONFIG_HOME=" + (dir / "config"), "XDG_CACHE_HOME=" + (dir / "cache"),
          "XDG_RUNTIME_DIR=" + dir.path().string(), "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
}

Program StartProgram(const std::string& binary, const std::vector<std::string>& args,
                     const std::vector<std::string>& env, const std::string& logStem) {
  std::map<std::string, std::string> vars;
  for (char** e = environ; *e; ++e) {
    const std::string entry = *e;
    vars[entry.substr(0, entry.find('='))] = entry;
  }
  for (const auto& e : env) {
    const auto eq = e.find('=');
    if (eq == std::string::npos) vars.erase(e);
    else vars[e.substr(0, eq)] = e;
  }
  std::vector<std::string> entries;
  for (auto& [name, entry] : vars) entries.push_back(entry);
  std::vector<char*> envp;
  for (auto& e : entries) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::vector<std::string> argvText = {binary};
  argvText.insert(argvText.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : argvText) argv.push_back(a.data());
  argv.push_back(nullptr);

  Program p;
  p.outFile = logStem + ".out";
  p.errFile = logStem + ".err";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, p.outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, p.errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (posix_spawn(&p.pid, binary.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0) p.pid = 0;
  posix_spawn_file_actions_destroy(&actions);
  return p;
}

int WaitExit(pid_t pid, std::chrono::milliseconds limit) {
  for (auto waited = 0ms; waited < limit; waited += 20ms) {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid)
      return WIFEXITED(status) ? WEXITSTATUS(status) : -100 - WTERMSIG(status);
    std::this_thread::sleep_for(20ms);
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  return -1000;
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
  for (auto waited = 0ms; waited < limit; waited += 50ms) {
    if (condition()) return true;
    std::this_thread::sleep_for(50ms);
  }
  return condition();
}

}  // namespace test
