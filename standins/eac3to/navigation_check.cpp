#include "navigation_check.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "failure.h"

extern "C" {
#include <libbluray/bluray.h>
#include <libbluray/log_control.h>
}

namespace eac3to {
namespace {

std::vector<std::filesystem::path> FilesEndingIn(const std::filesystem::path& folder,
                                                 const std::string& extension) {
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    std::string name = entry.path().extension().string();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (name == extension) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

void CheckNavigationFiles(const std::filesystem::path& root) {
  bd_set_debug_mask(0);  // the failure below says what is wrong
  for (const auto& file : FilesEndingIn(root / "BDMV" / "PLAYLIST", ".mpls")) {
    mpls_pl* playlist = bd_read_mpls(file.c_str());
    if (!playlist) throw Failure("The playlist \"" + file.string() + "\" is damaged and can't be read.");
    bd_free_mpls(playlist);
  }
  for (const auto& file : FilesEndingIn(root / "BDMV" / "CLIPINF", ".clpi")) {
    clpi_cl* clip = bd_read_clpi(file.c_str());
    if (!clip) throw Failure("The clip info \"" + file.string() + "\" is damaged and can't be read.");
    bd_free_clpi(clip);
  }
}

}  // namespace eac3to
