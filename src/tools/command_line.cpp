#include "tools/command_line.h"

namespace tools {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The program name: quotes only delimit, backslashes are plain.
size_t SplitProgram(const std::string& line, size_t i, std::vector<std::string>& out) {
  std::string arg;
  if (i < line.size() && line[i] == '"') {
    size_t end = line.find('"', i + 1);
    if (end == std::string::npos) end = line.size();
    arg = line.substr(i + 1, end - i - 1);
    i = end < line.size() ? end + 1 : end;
  }
  while (i < line.size() && !IsBlank(line[i])) arg += line[i++];
  out.push_back(arg);
  return i;
}

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& line) {
  std::vector<std::string> out;
  size_t i = 0;
  while (i < line.size() && IsBlank(line[i])) ++i;
  if (i == line.size()) return out;
  i = SplitProgram(line, i, out);
  for (;;) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i == line.size()) return out;
    std::string arg;
    bool quoted = false;
    while (i < line.size() && (quoted || !IsBlank(line[i]))) {
      if (line[i] == '\\') {
        size_t slashes = 0;
        while (i < line.size() && line[i] == '\\') ++slashes, ++i;
        if (i < line.size() && line[i] == '"') {
          arg.append(slashes / 2, '\\');
          if (slashes % 2) {
            arg += '"';
            ++i;
          }
        } else {
          arg.append(slashes, '\\');
        }
      } else if (line[i] == '"') {
        if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
          arg += '"';
          i += 2;
        } else {
          quoted = !quoted;
          ++i;
        }
      } else {
        arg += line[i++];
      }
    }
    out.push_back(arg);
  }
}

bool QuotePath(const std::string& path, std::string& quoted) {
  if (path.find('"') != std::string::npos) return false;
  quoted = "\"" + path + "\"";
  return true;
}

}  // namespace tools
