#include "platform/folder_tree.h"

#include <cstdlib>
#include <filesystem>

namespace platform {

namespace fs = std::filesystem;

std::string FolderTreeRefusal(const std::string& path) {
  if (path.size() < 4) return "path too short";
  fs::path p(path);
  if (!p.is_absolute()) return "relative path";
  std::error_code ec;
  fs::path target = fs::weakly_canonical(p, ec);
  if (ec) target = p.lexically_normal();
  if (target == target.root_path()) return "root folder";
  if (const char* home = std::getenv("HOME"); home && *home) {
    fs::path h = fs::weakly_canonical(fs::path(home), ec);
    // The home folder and every folder above it hold far more than a job made.
    for (fs::path up = h; !up.empty(); up = up.parent_path()) {
      if (up == target) return "home folder or above it";
      if (up == up.root_path()) break;
    }
  }
  return "";
}

bool DeleteFolderTree(const std::string& path) {
  if (!FolderTreeRefusal(path).empty()) return false;
  std::error_code ec;
  fs::remove_all(fs::path(path), ec);
  return !ec;
}

}  // namespace platform
