#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace eac3to {

// Chapters as eac3to writes them to a .txt file, one pair of lines each:
// "CHAPTER01=00:00:00.000" and "CHAPTER01NAME=Chapter 01".
std::string ChapterText(const std::vector<std::int64_t>& chaptersMs);

// "HH:MM:SS.mmm".
std::string ChapterTime(std::int64_t ms);

}  // namespace eac3to
