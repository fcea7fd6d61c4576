#include "tools/tool_paths.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <vector>

namespace tools {

namespace fs = std::filesystem;

namespace {

struct ToolName {
  std::string folder;
  std::string file;
};

ToolName ParseWindowsPath(const std::string& windowsPath) {
  std::string path = windowsPath;
  for (char& c : path)
    if (c == '\\') c = '/';
  ToolName name;
  auto slash = path.rfind('/');
  name.folder = slash == std::string::npos ? "" : path.substr(0, slash);
  name.file = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name.file.size() > 4 && name.file.compare(name.file.size() - 4, 4, ".exe") == 0)
    name.file.resize(name.file.size() - 4);
  if (name.file == "x264_x64") name.file = "x264";
  return name;
}

// Names a user's own installation goes by.
std::vector<std::string> PathNames(const std::string& file) {
  if (file.find('.') != std::string::npos) return {};  // a .jar is never on the PATH
  if (file == "tsMuxeR") return {"tsMuxeR", "tsmuxer"};
  return {file};
}

bool IsExecutable(const fs::path& p) {
  std::error_code ec;
  return fs::is_regular_file(p, ec) && access(p.c_str(), X_OK) == 0;
}

}  // namespace

std::string FindOnPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  if (!path) return {};
  std::stringstream dirs(path);
  std::string dir;
  while (std::getline(dirs, dir, ':')) {
    if (dir.empty()) continue;
    fs::path candidate = fs::path(dir) / name;
    if (IsExecutable(candidate)) return fs::absolute(candidate).string();
  }
  return {};
}

std::string ResolveTool(const std::string& windowsPath, const std::string& programDir) {
  const ToolName name = ParseWindowsPath(windowsPath);
  const fs::path relative = fs::path(name.folder) / name.file;
  if (const char* toolsDir = std::getenv("QUANDRELL_TOOLS_DIR"); toolsDir && *toolsDir)
    return fs::absolute(fs::path(toolsDir) / relative).string();
  for (const auto& plain : PathNames(name.file)) {
    std::string found = FindOnPath(plain);
    if (!found.empty()) return found;
  }
  return fs::absolute(fs::path(programDir) / relative).string();
}

}  // namespace tools
