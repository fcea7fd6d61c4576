#include "source/source_paths.h"

#include "platform/fixed_text.h"
#include "shell/app.h"
#include "source/text_search.h"

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

std::string WorkFilePath(const App& app, const std::string& name) {
  return JoinPath(platform::FixedText(app.settings.TempPath), name);
}

std::string StreamFolder(const std::string& folder) {
  if (ContainsNoCase(folder, "BDMV")) return JoinPath(folder, "STREAM");
  return JoinPath(JoinPath(folder, "BDMV"), "STREAM");
}

void CopyWithSuffix(char* field, size_t capacity, const std::string& stem, const std::string& suffix) {
  if (capacity == 0) return;
  const size_t room = capacity - 1 > suffix.size() ? capacity - 1 - suffix.size() : 0;
  const std::string fitted = stem.substr(0, platform::Utf8FitLength(stem, room));
  platform::CopyFixed(field, capacity, fitted + suffix);
}
