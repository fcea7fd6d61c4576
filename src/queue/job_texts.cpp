#include "queue/job_texts.h"

#include <algorithm>

#include "source/text_search.h"

std::string OutputBaseName(std::string_view outputPath, bool mkv) {
  const size_t slash = outputPath.rfind('/');
  if (slash == std::string_view::npos) return {};
  std::string_view name = outputPath.substr(slash + 1);
  if (mkv) name = name.substr(0, RFindNoCase(name, ".mkv"));
  return std::string(name);
}

std::string BlurayRootOf(std::string_view sourceFile) {
  const size_t bdmv = RFindNoCase(sourceFile, "/BDMV");
  return bdmv == kNotFound ? std::string() : std::string(sourceFile.substr(0, bdmv));
}

std::string ChapterList(std::string_view box, size_t maxChars) {
  std::string list(box);
  if (list.size() <= 3) return list.substr(0, maxChars);
  std::replace(list.begin(), list.end(), '\n', ';');
  if (list.back() == ';') list.pop_back();
  if (list.size() <= maxChars) return list;
  const size_t lastWhole = list.rfind(';', maxChars);
  return lastWhole == std::string::npos ? std::string() : list.substr(0, lastWhole);
}
