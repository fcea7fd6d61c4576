#pragma once
// SubRip (.srt) captions: numbered blocks of "hh:mm:ss,mmm --> hh:mm:ss,mmm"
// and text lines, separated by blank lines.

#include <cstdint>
#include <string>
#include <vector>

namespace tsmuxer {

struct Cue {
  int64_t startMs = 0;
  int64_t endMs = 0;
  std::string text;  // lines joined with "\n", SubRip tags kept
};

// Skips a UTF-8 byte-order mark, "\r", blocks without a valid time line and
// cues that end before they start.
std::vector<Cue> parseSrt(const std::string& text);

// The text as ASS event markup: line ends become "\N"; <i>, <b>, <u>, <s>
// and <font color="#rrggbb"> become override tags; other tags are dropped.
std::string assMarkup(const std::string& srtText);

}  // namespace tsmuxer
