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

// Matroska names its codecs "A_AC3", "S_HDMV/PGS"...; libmediainfo gives
// a transport stream's stream type instead ("129" for AC-3), which no tool
// of a job understands.
bool IsMatroskaCodecId(std::string_view codecId) {
  return codecId.size() > 2 && (codecId[0] == 'A' || codecId[0] == 'S') && codecId[1] == '_';
}

}  // namespace

std::string TrackCodecId(std::string_view codecId, std::string_view format) {
  if (IsMatroskaCodecId(codecId)) return std::string(codecId);
  for (const FormatCodec& entry : kCodecs)
    if (entry.format == format) return std::string(entry.codecId);
  return {};
}
