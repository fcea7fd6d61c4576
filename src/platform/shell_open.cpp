#include "platform/shell_open.h"

#include <spawn.h>
#include <sys/wait.h>

#include <thread>

#include "platform/spawn_defaults.h"

extern char** environ;

namespace platform {

void XdgOpener::Open(const std::string& target) {
  if (target.empty()) return;
  std::string program = "xdg-open";
  char* argv[] = {program.data(), const_cast<char*>(target.c_str()), nullptr};
  pid_t pid = 0;
  const SpawnDefaults defaults;
  if (posix_spawnp(&pid, "xdg-open", nullptr, defaults.get(), argv, environ) != 0) return;
  // Reap it whenever it ends, without holding anyone up.
  std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();
}

}  // namespace platform
