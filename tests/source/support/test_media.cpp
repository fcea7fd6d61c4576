#include "support/test_media.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "harness/temp_dir.h"

namespace test {

namespace {

// x264 marks its stream constant-rate so that MediaInfo reads the rate
// from short clips too.
constexpr const char* kVideo =
    " -c:v libx264 -preset ultrafast -x264-params force-cfr=1";

void Ffmpeg(const std::string& arguments) {
  const std::string command = "ffmpeg -nostdin -v error -y " + arguments;
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

std::string Tone(int seconds) { return " -f lavfi -i sine=frequency=440:duration=" + std::to_string(seconds); }

std::string Pattern(const std::string& rate, int seconds) {
  return " -f lavfi -i testsrc=size=320x240:rate=" + rate + ":duration=" + std::to_string(seconds);
}

void Make(const TempDir& dir, TestMedia& media) {
  media.m2ts = dir / "movie.m2ts";
  Ffmpeg(Pattern("24000/1001", 4) + Tone(4) + Tone(4) + " -map 0 -map 1 -map 2" + kVideo +
         " -c:a ac3 -b:a 192k -metadata:s:a:0 language=eng -metadata:s:a:1 language=spa"
         " -f mpegts -mpegts_m2ts_mode 1 \"" + media.m2ts + "\"");

  WriteFile(dir / "chapters.txt",
            ";FFMETADATA1\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=1500\ntitle=One\n"
            "[CHAPTER]\nTIMEBASE=1/1000\nSTART=1500\nEND=3000\ntitle=Two\n");
  WriteFile(dir / "subtitles.srt", "1\n00:00:00,500 --> 00:00:01,500\nHello\n\n2\n00:00:02,000 --> 00:00:02,800\nWorld\n");
  media.mkv = dir / "movie.mkv";
  Ffmpeg(Pattern("25", 3) + Tone(3) + " -i \"" + dir / "subtitles.srt" + "\" -i \"" + dir / "chapters.txt" +
         "\" -map 0 -map 1 -map 2 -map_chapters 3" + kVideo +
         " -c:a ac3 -c:s srt -metadata:s:a:0 language=fre -metadata:s:s:0 language=ger"
         " -metadata:s:s:0 title=\"Forced subs\" \"" + media.mkv + "\"");
  media.mkvBare = dir / "bare.mkv";
  Ffmpeg("-i \"" + media.mkv + "\" -map 0 -map_chapters -1 -c copy \"" + media.mkvBare + "\"");

  media.interlaced = dir / "interlaced.m2ts";
  Ffmpeg(Pattern("25", 3) + " -vf setfield=tff -flags +ildct+ilme -c:v libx264 -preset ultrafast"
         " -x264-params force-cfr=1:tff=1 -f mpegts -mpegts_m2ts_mode 1 \"" + media.interlaced + "\"");
}

}  // namespace

const TestMedia& Media() {
  static TempDir dir;
  static TestMedia media;
  static bool made = false;
  if (!made) {
    made = true;
    Make(dir, media);
  }
  return media;
}

}  // namespace test
