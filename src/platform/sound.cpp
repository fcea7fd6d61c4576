#include "platform/sound.h"

#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <thread>
#include <vector>

#include "platform/spawn_defaults.h"
#include "tools/tool_paths.h"

extern char** environ;

namespace platform {

void CommandSoundPlayer::PlayFile(const std::string& path) {
  std::error_code ec;
  if (path.empty() || !std::filesystem::is_regular_file(path, ec)) return;
  std::string player = tools::FindOnPath("paplay");
  if (player.empty()) player = tools::FindOnPath("aplay");
  if (player.empty()) return;
  // The player is reaped by a thread of its own, so nobody waits for it.
  std::thread([player, path] {
    std::vector<char*> argv = {const_cast<char*>(player.c_str()), const_cast<char*>(path.c_str()),
                               nullptr};
    pid_t pid = 0;
    const SpawnDefaults defaults;
    if (posix_spawn(&pid, player.c_str(), nullptr, defaults.get(), argv.data(), environ) == 0)
      waitpid(pid, nullptr, 0);
  }).detach();
}

std::unique_ptr<SoundPlayer> MakeSoundPlayer() { return std::make_unique<CommandSoundPlayer>(); }

}  // namespace platform
