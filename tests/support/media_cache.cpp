#include "media_cache.h"

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <stdexcept>

#include "command_run.h"

namespace quandrell::test {
namespace {

// Raise when a generator changes, so that old media are not reused.
constexpr const char* kMediaVersion = "v2";

std::filesystem::path TemporarySibling(const std::filesystem::path& final) {
  static std::atomic<int> counter{0};
  return final.string() + ".making-" + std::to_string(getpid()) + "-" +
         std::to_string(counter++);
}

}  // namespace

std::filesystem::path MediaFolder() {
  const char* override = std::getenv("QUANDRELL_TEST_MEDIA_DIR");
  const std::filesystem::path folder =
      std::filesystem::path(override && *override ? override : QUANDRELL_TEST_MEDIA_DIR) /
      kMediaVersion;
  std::filesystem::create_directories(folder);
  return folder;
}

std::filesystem::path CachedMedia(const std::string& name,
                                  const std::function<void(const std::filesystem::path&)>& make) {
  const auto final = MediaFolder() / name;
  if (std::filesystem::exists(final)) return final;
  const auto temporary = TemporarySibling(final);
  try {
    make(temporary);
  } catch (...) {
    std::filesystem::remove_all(temporary);
    throw;
  }
  std::error_code lost;  // another process was quicker: keep its copy
  std::filesystem::rename(temporary, final, lost);
  if (lost) std::filesystem::remove_all(temporary);
  return final;
}

void RunFfmpeg(const std::vector<std::string>& args) {
  std::vector<std::string> argv = {"ffmpeg", "-nostdin", "-v", "error", "-y"};
  argv.insert(argv.end(), args.begin(), args.end());
  const CommandResult result = RunCommand(argv);
  if (result.exitCode != 0) throw std::runtime_error("ffmpeg failed: " + result.errors);
}

}  // namespace quandrell::test
