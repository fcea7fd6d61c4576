#include "source/track_languages.h"

#include <algorithm>

#include "platform/fixed_text.h"
#include "source/language_tables.h"

namespace {

template <typename Track>
void CompleteCodes(Track* tracks, int count) {
  for (int i = 0; i < count; ++i) {
    Track& track = tracks[i];
    const std::string_view code = platform::FixedView(track.language);
    if (code.empty()) platform::CopyFixed(track.language, "und");
    else if (code.size() == 2) LanguageCode3(code, track.language);
  }
}

template <typename Track>
void CompleteNames(Track* tracks, int count) {
  for (int i = 0; i < count; ++i) {
    Track& track = tracks[i];
    if (platform::FixedView(track.languageName).empty())
      LanguageName(platform::FixedView(track.language), track.languageName);
  }
}

}  // namespace

void NormaliseTrackLanguages(SourceInfo& source) {
  const int subtitles = std::clamp(source.subtitleCount, 0, kMaxSubtitleTracks);
  const int audios = std::clamp(source.audioCount, 0, kMaxAudioTracks);
  CompleteCodes(source.subtitle.data(), subtitles);
  CompleteNames(source.subtitle.data(), subtitles);
  CompleteCodes(source.audio.data(), audios);
  CompleteNames(source.audio.data(), audios);
}
