#include "navigation_check.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "failure.h"

extern "C" {
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

std::uint32_t Be32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return (std::uint32_t{bytes[at]} << 24) | (bytes[at + 1] << 16) | (bytes[at + 2] << 8) | bytes[at + 3];
}

// The type and version, then the start addresses of the file's sections
// (the last, the extension data, may be 0): each section must lie inside
// the file with the length it gives itself. libbluray's readers accept files
// that break this and read whatever the addresses point at.
bool SectionsInside(const std::filesystem::path& file, const std::string& type, int addresses) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const std::size_t header = 8 + 4 * static_cast<std::size_t>(addresses);
  if (bytes.size() < header || std::string(bytes.begin(), bytes.begin() + 4) != type) return false;
  const std::string version(bytes.begin() + 4, bytes.begin() + 8);
  if (version != "0100" && version != "0200" && version != "0300") return false;
  for (int i = 0; i < addresses; ++i) {
    const std::size_t start = Be32(bytes, 8 + 4 * static_cast<std::size_t>(i));
    if (start == 0 && i == addresses - 1) continue;
    if (start < header || start + 4 > bytes.size() || start + 4 + Be32(bytes, start) > bytes.size()) return false;
  }
  return true;
}

bool PlaylistOpens(BLURAY* disc, const std::filesystem::path& file) {
  const std::string stem = file.stem().string();
  if (stem.size() != 5 || !std::all_of(stem.begin(), stem.end(), ::isdigit)) return false;
  BLURAY_TITLE_INFO* title = bd_get_playlist_info(disc, static_cast<std::uint32_t>(std::stoul(stem)), 0);
  const bool opens = title && title->clip_count > 0;  // a garbled one may open with no clips
  if (title) bd_free_title_info(title);
  return opens;
}

}  // namespace

void CheckNavigationFiles(BLURAY* disc, const std::filesystem::path& root) {
  bd_set_debug_mask(0);  // the failure below says what is wrong
  for (const auto& file : FilesEndingIn(root / "BDMV" / "CLIPINF", ".clpi"))
    if (!SectionsInside(file, "HDMV", 5))
      throw Failure("The clip info \"" + file.string() + "\" is damaged and can't be read.");
  for (const auto& file : FilesEndingIn(root / "BDMV" / "PLAYLIST", ".mpls"))
    if (!SectionsInside(file, "MPLS", 3) || !PlaylistOpens(disc, file))
      throw Failure("The playlist \"" + file.string() + "\" is damaged and can't be read.");
}

}  // namespace eac3to
