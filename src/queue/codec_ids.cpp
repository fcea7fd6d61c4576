#include "queue/codec_ids.h"

namespace {

struct FormatCodec {
  std::string_view format;
  std::string_view codecId;
};

constexpr FormatCodec kCodecs[] = {
    {"AC-3", "A_AC3"},      {"DTS", "A_DTS"},           {"PCM", "A_LPCM"},
    {"PGS", "S_HDMV/PGS"},  {"UTF-8", "S_TEXT/UTF8"},   {"ASS", "S_TEXT/ASS"},
};

}  // namespace

std::string TrackCodecId(std::string_view codecId, std::string_view format) {
  if (!codecId.empty()) return std::string(codecId);
  for (const FormatCodec& entry : kCodecs)
    if (entry.format == format) return std::string(entry.codecId);
  return {};
}
