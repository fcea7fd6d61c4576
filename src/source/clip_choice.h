#pragma once
// Which stream file of a playlist is the source: the clips of a playlist
// found in the Blu-ray folder, how many of them are small extras, and the
// largest one.

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr int64_t kSmallClipBytes = 90000000;

struct ClipChoice {
  int found = 0;  // clips that could be opened
  int small = 0;  // clips below kSmallClipBytes; missing clips count too
  std::string largestPath;  // on equal sizes the later clip; the last one when none opened
};

// `clips` is "00001+00002" (or one clip number); the clips are
// "%05d.m2ts" files in the folder's STREAM folder.
ClipChoice ExamineClips(const std::string& folder, std::string_view clips);

// "00001+00002" shown as "00001 + 00002".
std::string ClipListText(std::string_view clips);
