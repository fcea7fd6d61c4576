#pragma once
// The texts of a job that are cut out of the main window's boxes.

#include <cstddef>
#include <string>
#include <string_view>

// The output's base name: the text after the last "/" of the output path
// (empty without one); for MKV output cut at its last ".mkv", any case.
std::string OutputBaseName(std::string_view outputPath, bool mkv);

// The Blu-ray root of a source path: the text before its last "/BDMV",
// any case; empty when the path has none.
std::string BlurayRootOf(std::string_view sourceFile);

// The chapters box, one time per line, as the ";"-separated list a job
// keeps: whole entries only, at most `maxChars` characters. A box of three
// characters or fewer is kept as it is.
std::string ChapterList(std::string_view box, size_t maxChars);
