#include "srt_to_pgs.h"

#include "text_tracks.h"

namespace tsmuxer {

void renderSrtToPgs(const std::string& srtPath, const TextStyle&, const std::string&, const std::string&) {
  throw TextTrackError("Text subtitles are not supported yet: " + srtPath);
}

}  // namespace tsmuxer
