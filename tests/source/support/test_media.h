#pragma once
// Media the tests make once with the ffmpeg program: a few seconds of test
// pattern and tone each.

#include <string>

namespace test {

struct TestMedia {
  std::string m2ts;        // H.264 23.976 fps, AC-3 "eng" and AC-3 "spa"
  std::string mkv;         // H.264 25 fps, AC-3 "fre", SRT "ger" titled "Forced subs", chapters at 0 and 1.5 s
  std::string mkvBare;     // the same without chapters
  std::string interlaced;  // H.264 25 fps interlaced (MBAFF) .m2ts
};

const TestMedia& Media();

}  // namespace test
