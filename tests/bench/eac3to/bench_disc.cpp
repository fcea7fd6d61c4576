// Authors the benchmark's Blu-ray folder: 60 seconds of 1920x1080 H.264 at
// 24000/1001 and 25 Mb/s (x264 "ultrafast": the encoder is not what is
// measured), AC-3 5.1 at 640 kb/s and a PGS track, split into two clips
// joined seamlessly by 00001.mpls. Prints the disc's folder, then the
// stream it was cut from (the input of the plain ffmpeg copy).
//
//   eac3to_bench_disc <folder>
#include <cstdio>
#include <filesystem>
#include <string>

#include "media_cache.h"
#include "pgs_captions.h"
#include "x264_discs.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: eac3to_bench_disc <folder>\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  const auto stream = folder / "source.m2ts", disc = folder / "disc";
  quandrell::test::RunFfmpeg(
      {"-f", "lavfi", "-i", "testsrc2=size=1920x1080:rate=24000/1001:duration=60", "-f", "lavfi", "-i",
       "sine=frequency=440:sample_rate=48000:duration=60", "-itsoffset", "1", "-i",
       quandrell::test::PgsCaptions().string(), "-filter_complex",
       "[1]pan=5.1|c0=c0|c1=c0|c2=c0|c3=c0|c4=c0|c5=c0[surround]", "-map", "0:v", "-map", "[surround]", "-map",
       "2", "-c:v", "libx264", "-preset", "ultrafast", "-b:v", "25M", "-x264-params", "keyint=24",
       "-pix_fmt", "yuv420p", "-c:a", "ac3", "-b:a", "640k", "-c:s", "copy", "-streamid", "0:0x1011",
       "-streamid", "1:0x1100", "-streamid", "2:0x1200", "-f", "mpegts", "-mpegts_m2ts_mode", "1",
       stream.string()});
  std::filesystem::remove_all(disc);
  quandrell::test::AuthorSplitDisc(stream, 30.0, true, disc);
  std::printf("%s\n%s\n", disc.c_str(), stream.c_str());
  return 0;
}
