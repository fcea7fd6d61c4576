#pragma once
// Paths of source analysis: joining parts, the work files in the
// temporary folder, and the stream files of a Blu-ray folder.

#include <string>

struct App;

// `folder` and `name` joined with one "/".
std::string JoinPath(const std::string& folder, const std::string& name);

// A work file of source analysis in the temporary folder of the settings.
std::string WorkFilePath(const App& app, const std::string& name);

// The folder of a Blu-ray folder's stream files: folder/STREAM when the
// folder's path names BDMV (any letter case), else folder/BDMV/STREAM.
std::string StreamFolder(const std::string& folder);

// Copies `stem` + `suffix` into the field, shortening the stem (at a
// character boundary) rather than losing the suffix.
void CopyWithSuffix(char* field, size_t capacity, const std::string& stem, const std::string& suffix);
template <size_t N>
void CopyWithSuffix(char (&field)[N], const std::string& stem, const std::string& suffix) {
  CopyWithSuffix(field, N, stem, suffix);
}
