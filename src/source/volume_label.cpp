#include "source/volume_label.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "source/text_search.h"

namespace fs = std::filesystem;

namespace {

// The mount table writes blanks and the like as "\040" (octal), the label
// links as "\x20" (hex).
std::string Unescape(const std::string& text, bool hex) {
  const std::string_view prefix = hex ? "\\x" : "\\";
  const size_t digits = hex ? 2 : 3;
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const size_t start = i + prefix.size();
    if (text.compare(i, prefix.size(), prefix) == 0 && start + digits <= text.size()) {
      unsigned value = 0;
      const char* first = text.data() + start;
      const auto [end, ec] = std::from_chars(first, first + digits, value, hex ? 16 : 8);
      if (ec == std::errc() && end == first + digits) {
        out += static_cast<char>(value);
        i = start + digits - 1;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

std::string Canonical(const std::string& path) {
  std::error_code ec;
  fs::path canonical = fs::weakly_canonical(path, ec);
  return ec ? path : canonical.string();
}

// The device mounted at `folder` (the last mount there wins), or empty.
std::string MountSource(const std::string& folder, const std::string& mountInfo) {
  std::string source;
  std::istringstream lines(mountInfo);
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string_view> fields = SplitTokens(line, " ");
    if (fields.size() < 5 || Unescape(std::string(fields[4]), false) != folder) continue;
    for (size_t i = 5; i + 2 < fields.size(); ++i)
      if (fields[i] == "-") source = Unescape(std::string(fields[i + 2]), false);
  }
  return source;
}

}  // namespace

std::string VolumeLabelFrom(const std::string& folder, const std::string& mountInfo,
                            const std::string& byLabelDir) {
  const std::string device = MountSource(Canonical(folder), mountInfo);
  if (device.empty()) return {};
  const std::string target = Canonical(device);
  std::error_code ec;
  for (const auto& link : fs::directory_iterator(byLabelDir, ec)) {
    if (Canonical(link.path().string()) == target) return Unescape(link.path().filename().string(), true);
  }
  return {};
}

std::string MountedVolumeLabel(const std::string& folder) {
  std::ifstream file("/proc/self/mountinfo");
  std::stringstream mountInfo;
  mountInfo << file.rdbuf();
  return VolumeLabelFrom(folder, mountInfo.str(), "/dev/disk/by-label");
}
