#pragma once
// Where a tool named by its Windows path under the program folder
// ("x264\\x264_x64.exe") is found on this machine.

#include <string>

namespace tools {

// Looks in this order: $QUANDRELL_TOOLS_DIR/<folder>/<file> alone when that
// variable is set (tests must never reach a real tool by accident); else
// the PATH by plain name, so the tools a user installed win; then
// <programDir>/<folder>/<file>, where the build puts our stand-ins. Both
// x264 names resolve to x264. Returns an absolute path; when nothing is
// found, the program-folder path (starting it then fails, and the failure
// names it).
std::string ResolveTool(const std::string& windowsPath, const std::string& programDir);

// A file name on the PATH, or empty.
std::string FindOnPath(const std::string& name);

}  // namespace tools
