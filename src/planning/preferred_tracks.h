#pragma once
// The source tracks chosen by default: the first track in the preferred
// language that best suits the target media, pass after pass.

#include <string>
#include <string_view>

#include "source/source_info.h"

// A preferred language setting: one ISO 639-2 code ("eng"), or two codes
// as its first three characters and its characters from the fifth on
// ("chi/zho"). A track matches either code.
struct PreferredLanguages {
  std::string first;
  std::string second;
  explicit PreferredLanguages(std::string_view setting);
  bool Match(std::string_view language) const;
};

// The index of the audio track to choose for the media index, or -1 when
// no track is in a preferred language.
int PreferredAudioTrack(const SourceInfo& source, int media, const PreferredLanguages& languages);

// The index of the subtitle track to choose, or -1 when none matches.
int PreferredSubtitleTrack(const SourceInfo& source, bool forcedWanted, const PreferredLanguages& languages);
