#include "chapter_text.h"

#include <cstdio>

namespace eac3to {

std::string ChapterTime(std::int64_t ms) {
  char text[32];
  std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld.%03lld",
                static_cast<long long>(ms / 3600000), static_cast<long long>(ms / 60000 % 60),
                static_cast<long long>(ms / 1000 % 60), static_cast<long long>(ms % 1000));
  return text;
}

std::string ChapterText(const std::vector<std::int64_t>& chaptersMs) {
  std::string text;
  for (std::size_t i = 0; i < chaptersMs.size(); ++i) {
    char number[24];
    std::snprintf(number, sizeof number, "%02zu", i + 1);
    text += std::string("CHAPTER") + number + "=" + ChapterTime(chaptersMs[i]) + "\n";
    text += std::string("CHAPTER") + number + "NAME=Chapter " + number + "\n";
  }
  return text;
}

}  // namespace eac3to
