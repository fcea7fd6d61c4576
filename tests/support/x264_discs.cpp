#include "x264_discs.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bdnav/m2ts_scan.h"
#include "bdnav/navigation_writer.h"
#include "media_cache.h"
#include "pgs_captions.h"

namespace quandrell::test {
namespace {

constexpr std::size_t kPacket = 192;

struct Picture {
  const char* size;
  const char* rate;
  int keyint;  // one second
  bool interlaced;
  std::uint8_t format, frameRate;  // bdnav's codes
};

constexpr Picture kProgressive = {"1280x720", "24000/1001", 24, false, bdnav::video_format::p720,
                                  bdnav::frame_rate::r23976};
constexpr Picture kInterlaced = {"1440x1080", "30000/1001", 30, true, bdnav::video_format::i1080,
                                 bdnav::frame_rate::r29970};

void Encode(const Picture& picture, int seconds, const std::filesystem::path& out) {
  const std::string duration = std::to_string(seconds);
  std::string x264 = "keyint=" + std::to_string(picture.keyint) + ":open-gop=1";
  if (picture.interlaced) x264 += ":interlaced=1:tff=1";
  RunFfmpeg({"-f", "lavfi", "-i",
             std::string("testsrc2=size=") + picture.size + ":rate=" + picture.rate + ":duration=" + duration,
             "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=48000:duration=" + duration,
             "-itsoffset", "1", "-i", PgsCaptions().string(),
             "-filter_complex", "[1]pan=5.1|c0=c0|c1=c0|c2=c0|c3=c0|c4=c0|c5=c0[surround]",
             "-map", "0:v", "-map", "[surround]", "-map", "2",
             "-c:v", "libx264", "-preset", "medium", "-pix_fmt", "yuv420p", "-x264-params", x264,
             "-c:a", "ac3", "-b:a", "448k", "-c:s", "copy",
             "-metadata:s:a:0", "language=eng", "-metadata:s:s:0", "language=eng",
             "-streamid", "0:0x1011", "-streamid", "1:0x1100", "-streamid", "2:0x1200",
             "-f", "mpegts", "-mpegts_m2ts_mode", "1", out.string()});
}

bdnav::Clip DescribeClip(const std::filesystem::path& file, const std::string& name,
                         const Picture& picture) {
  bdnav::Clip clip = bdnav::clipFromScan(bdnav::scanM2ts(file), name);
  for (auto& stream : clip.streams) {
    const auto kind = bdnav::kindOf(stream.coding);
    if (kind == bdnav::StreamKind::Video) {
      stream.format = picture.format;
      stream.rate = picture.frameRate;
    } else if (kind == bdnav::StreamKind::Audio) {
      stream.format = bdnav::audio_format::multichannel;
      stream.rate = bdnav::sample_rate::k48;
    }
    stream.language = "eng";
  }
  return clip;
}

std::vector<char> ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& file, const std::vector<char>& bytes) {
  std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

int PidAt(const std::vector<char>& bytes, std::size_t packet) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + packet * kPacket + 4);
  return ((p[1] & 0x1F) << 8) | p[2];
}

// Cuts a stream at the packet that starts the first key frame from `seconds`
// on. The second part begins with the first part's program tables, as a
// clip of its own must.
void SplitAtKeyFrame(const std::filesystem::path& whole, double seconds,
                     const std::filesystem::path& first, const std::filesystem::path& second) {
  const bdnav::M2tsScan scan = bdnav::scanM2ts(whole);
  const auto target = scan.firstPts + static_cast<std::uint64_t>(seconds * 90000);
  std::uint32_t cut = 0;
  for (const auto& entry : scan.entryPoints)
    if (entry.pts >= target) {
      cut = entry.spn;
      break;
    }
  const std::vector<char> bytes = ReadBytes(whole);
  std::vector<char> tables;
  for (std::size_t packet = 0; PidAt(bytes, packet) < 0x20 || PidAt(bytes, packet) == scan.pmtPid; ++packet)
    tables.insert(tables.end(), bytes.begin() + static_cast<long>(packet * kPacket),
                  bytes.begin() + static_cast<long>((packet + 1) * kPacket));
  const auto at = bytes.begin() + static_cast<long>(cut * kPacket);
  WriteBytes(first, std::vector<char>(bytes.begin(), at));
  std::vector<char> rest = tables;
  rest.insert(rest.end(), at, bytes.end());
  WriteBytes(second, rest);
}

void WriteDisc(const std::filesystem::path& root, const std::vector<bdnav::Clip>& clips,
               const bdnav::Playlist& playlist, const std::vector<std::filesystem::path>& files) {
  bdnav::writeNavigation(root, {clips, {playlist}});
  for (std::size_t i = 0; i < clips.size(); ++i)
    std::filesystem::copy_file(files[i], root / "BDMV" / "STREAM" / (clips[i].name + ".m2ts"));
}

std::filesystem::path OneClipDisc(const std::string& name, const Picture& picture) {
  return CachedMedia(name, [&](const std::filesystem::path& root) {
    const auto stream = CachedMedia(name + ".m2ts", [&](const std::filesystem::path& out) {
      Encode(picture, 6, out);
    });
    const bdnav::Clip clip = DescribeClip(stream, "00001", picture);
    WriteDisc(root, {clip}, {"00001", {{"00001", clip.startTime, clip.endTime}}, {{0, clip.startTime}}},
              {stream});
  });
}

}  // namespace

void AuthorSplitDisc(const std::filesystem::path& stream, double splitSeconds, bool fullHd,
                     const std::filesystem::path& root) {
  Picture picture = kProgressive;
  if (fullHd) picture.format = bdnav::video_format::p1080;
  const std::filesystem::path first = root.string() + ".1.m2ts", second = root.string() + ".2.m2ts";
  SplitAtKeyFrame(stream, splitSeconds, first, second);
  const bdnav::Clip one = DescribeClip(first, "00001", picture);
  const bdnav::Clip two = DescribeClip(second, "00002", picture);
  const bdnav::Playlist playlist{"00001",
                                 {{"00001", one.startTime, two.startTime},
                                  {"00002", two.startTime, two.endTime}},
                                 {{0, one.startTime}}};
  WriteDisc(root, {one, two}, playlist, {first, second});
  std::filesystem::remove(first);
  std::filesystem::remove(second);
}

std::filesystem::path SingleClipDisc() { return OneClipDisc("x264-single-disc", kProgressive); }

std::filesystem::path InterlacedDisc() { return OneClipDisc("x264-interlaced-disc", kInterlaced); }

std::filesystem::path SplitClipSource() {
  return CachedMedia("x264-split-source.m2ts", [](const std::filesystem::path& out) {
    Encode(kProgressive, 8, out);
  });
}

std::filesystem::path SplitClipDisc() {
  return CachedMedia("x264-split-disc", [](const std::filesystem::path& root) {
    AuthorSplitDisc(SplitClipSource(), 4.0, false, root);
  });
}

}  // namespace quandrell::test
