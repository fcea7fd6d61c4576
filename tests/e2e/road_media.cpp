#include "road_media.h"

#include <algorithm>
#include <string>

#include "media_cache.h"
#include "media_fixtures.h"
#include "pmt_language.h"
#include "sup_bytes.h"

namespace e2e {

namespace media = quandrell::test;

namespace {

uint32_t Ticks(double seconds) { return static_cast<uint32_t>(seconds * 90000); }
uint16_t U16(int value) { return static_cast<uint16_t>(value); }

std::filesystem::path CaptionFile() {
  return media::CachedMedia("e2e-forced-captions.sup", [](const std::filesystem::path& out) {
    SupBytes sup;
    for (const Caption& c : ClipCaptions())
      sup.caption(Ticks(c.show), Ticks(c.clear), U16(c.x), U16(c.y), U16(c.width), U16(c.height), c.forced);
    writeFile(out.string(), sup.data);
  });
}

}  // namespace

std::filesystem::path LpcmClip() {
  return media::CachedMedia("e2e-lpcm.m2ts", [](const std::filesystem::path& out) {
    media::RunFfmpeg({"-i", media::M2tsClip().string(), "-map", "0:v", "-map", "0:a:0", "-map", "0:a:1", "-c",
                      "copy", "-c:a:0", "pcm_bluray", "-sample_fmt:a:0", "s16", "-metadata:s:a:0", "language=eng",
                      "-metadata:s:a:1", "language=spa", "-streamid", "0:0x1011", "-streamid", "1:0x1100",
                      "-streamid", "2:0x1101", "-f", "mpegts", "-mpegts_m2ts_mode", "1", out.string()});
  });
}

const std::vector<Caption>& ClipCaptions() {
  static const std::vector<Caption> captions = {
      {1.0, 2.5, 660, 900, 600, 100, true},
      {3.0, 4.5, 200, 880, 800, 120, false},
      {5.0, 6.5, 1100, 950, 700, 100, true},
      {7.0, 8.5, 560, 40, 800, 100, false},
  };
  return captions;
}

int ForcedCaptionCount() {
  const auto& captions = ClipCaptions();
  return static_cast<int>(std::count_if(captions.begin(), captions.end(), [](const Caption& c) { return c.forced; }));
}

std::filesystem::path ClipWithForcedCaptions() {
  return media::CachedMedia("e2e-clip-forced-pgs.m2ts", [](const std::filesystem::path& out) {
    // FFmpeg starts every input at zero: the offset puts the first caption
    // back at its own time.
    const std::string first = std::to_string(ClipCaptions().front().show);
    media::RunFfmpeg({"-i", media::M2tsClip().string(), "-itsoffset", first, "-i", CaptionFile().string(), "-map",
                      "0", "-map", "1", "-c", "copy", "-metadata:s:s:0", "language=eng", "-streamid", "0:0x1011",
                      "-streamid", "1:0x1100", "-streamid", "2:0x1101", "-streamid", "3:0x1200", "-f", "mpegts",
                      "-mpegts_m2ts_mode", "1", out.string()});
    AddStreamLanguage(out, 0x1200, "eng");
  });
}

}  // namespace e2e
