// eac3to's listings: of a Blu-ray folder's playlists, and of a source's
// streams (the right eye, the DTS core bitrates).
#include "fuzz_input.h"
#include "source/bluray_listing.h"
#include "source/source_info.h"
#include "source/stream_listing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = fuzz::Text(data, size);
  DecideListing(text);
  ParsePlaylistLines(text);
  DurationToSeconds(text);
  LogShowsRightEye(text);
  static SourceInfo source;
  source = SourceInfo{};
  source.audioCount = static_cast<int32_t>(size % 24) - 2;
  ApplyCoreBitrates(text, source);
  return 0;
}
