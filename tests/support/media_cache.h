#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace quandrell::test {

// The folder of this build's cached test media (QUANDRELL_TEST_MEDIA_DIR in
// the environment overrides it).
std::filesystem::path MediaFolder();

// Returns MediaFolder()/name, made first by make(path) when it doesn't exist
// yet. make writes a file or a folder at the temporary path it is given; the
// result is renamed into place, so test processes running side by side never
// see half-made media, and later tests and runs reuse it.
std::filesystem::path CachedMedia(const std::string& name,
                                  const std::function<void(const std::filesystem::path&)>& make);

// Runs "ffmpeg -v error -y <args>"; throws std::runtime_error with ffmpeg's
// message when it fails.
void RunFfmpeg(const std::vector<std::string>& args);

}  // namespace quandrell::test
