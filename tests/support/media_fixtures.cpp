#include "media_fixtures.h"

#include <fstream>

#include "media_cache.h"

namespace quandrell::test {
namespace {

void WriteText(const std::filesystem::path& file, const char* text) {
  std::ofstream(file) << text;
}

constexpr const char* kSubtitles =
    "1\n00:00:01,000 --> 00:00:03,000\nHello from the test clip.\n\n"
    "2\n00:00:05,000 --> 00:00:07,500\nSecond caption.\n";

constexpr const char* kChapters =
    ";FFMETADATA1\n"
    "[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=4000\ntitle=Opening\n"
    "[CHAPTER]\nTIMEBASE=1/1000\nSTART=4000\nEND=8000\ntitle=Middle\n"
    "[CHAPTER]\nTIMEBASE=1/1000\nSTART=8000\nEND=10000\ntitle=End\n";

void MakeM2ts(const std::filesystem::path& out) {
  const std::string seconds = std::to_string(kClipSeconds);
  RunFfmpeg({"-f", "lavfi", "-i",
             "testsrc2=size=1920x1080:rate=24000/1001:duration=" + seconds,
             "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=48000:duration=" + seconds,
             "-f", "lavfi", "-i", "sine=frequency=880:sample_rate=48000:duration=" + seconds,
             "-filter_complex", "[1]pan=5.1|c0=c0|c1=c0|c2=c0|c3=c0|c4=c0|c5=c0[surround]",
             "-map", "0:v", "-map", "[surround]", "-map", "2:a",
             "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p",
             "-x264-params", "force-cfr=1",
             "-c:a", "ac3", "-b:a:0", "448k", "-ac:a:1", "2", "-b:a:1", "192k",
             "-metadata:s:a:0", "language=eng", "-metadata:s:a:1", "language=spa",
             "-streamid", "0:0x1011", "-streamid", "1:0x1100", "-streamid", "2:0x1101",
             "-f", "mpegts", "-mpegts_m2ts_mode", "1", out.string()});
}

void MakeMatroska(const std::filesystem::path& out) {
  const std::filesystem::path srt = out.string() + ".srt", chapters = out.string() + ".chapters";
  WriteText(srt, kSubtitles);
  WriteText(chapters, kChapters);
  RunFfmpeg({"-i", M2tsClip().string(), "-i", srt.string(), "-f", "ffmetadata", "-i",
             chapters.string(), "-map", "0:v", "-map", "0:a", "-map", "1:s", "-map_chapters",
             "2", "-c", "copy", "-c:s", "srt", "-metadata:s:s:0", "language=eng", "-f",
             "matroska", out.string()});
  std::filesystem::remove(srt);
  std::filesystem::remove(chapters);
}

}  // namespace

std::filesystem::path M2tsClip() { return CachedMedia("clip.m2ts", MakeM2ts); }

std::filesystem::path MatroskaWithChapters() {
  return CachedMedia("chapters.mkv", MakeMatroska);
}

}  // namespace quandrell::test
