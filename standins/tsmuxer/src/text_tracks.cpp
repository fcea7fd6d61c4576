#include "text_tracks.h"

#include <cstdlib>

#include "srt_to_pgs.h"

namespace tsmuxer {

namespace fs = std::filesystem;

namespace {

fs::path makePrivateFolder() {
  std::string pattern = (fs::temp_directory_path() / "tsmuxer-text-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw TextTrackError("Can't create a temporary folder for text subtitles");
  return pattern;
}

// The frame rate captions are timed against: the line's own fps, else the video's.
std::string captionRate(const MetaFile& meta, const TrackSpec& trackSpec) {
  if (!trackSpec.fps.empty()) return trackSpec.fps;
  for (const TrackSpec& t : meta.tracks)
    if (t.kind == TrackKind::Video && !t.fps.empty()) return t.fps;
  return "23.976";
}

}  // namespace

TextTracks::TextTracks(const MetaFile& meta) {
  try {
    for (const TrackSpec& trackSpec : meta.tracks) {
      if (trackSpec.codecId != "S_TEXT/UTF8" || rendered_.count(trackSpec.file)) continue;
      if (folder_.empty()) folder_ = makePrivateFolder();
      const std::string out = (folder_ / (std::to_string(rendered_.size()) + ".sup")).string();
      renderSrtToPgs(trackSpec.file, trackSpec.text, captionRate(meta, trackSpec), out);
      rendered_[trackSpec.file] = out;
    }
  } catch (...) {
    removeFolder();  // no destructor runs for a constructor that throws
    throw;
  }
}

TextTracks::~TextTracks() { removeFolder(); }

void TextTracks::removeFolder() {
  std::error_code ec;
  if (!folder_.empty()) fs::remove_all(folder_, ec);
}

std::string TextTracks::inputOf(const TrackSpec& trackSpec) const {
  const auto it = rendered_.find(trackSpec.file);
  return trackSpec.codecId == "S_TEXT/UTF8" && it != rendered_.end() ? it->second : trackSpec.file;
}

}  // namespace tsmuxer
