#include "planning/preferred_tracks.h"

#include <functional>
#include <initializer_list>
#include <vector>

#include "planning/media_index.h"
#include "platform/fixed_text.h"

namespace {

template <typename Track>
using Pass = std::function<bool(const Track&)>;

// The first track in a preferred language that the first pass able to
// find one accepts.
template <typename Track, size_t N>
int FirstMatch(const std::array<Track, N>& tracks, int count, const PreferredLanguages& languages,
               const std::vector<Pass<Track>>& passes) {
  const int tracksKept = count < static_cast<int>(N) ? count : static_cast<int>(N);
  for (const Pass<Track>& pass : passes)
    for (int i = 0; i < tracksKept; ++i)
      if (languages.Match(platform::FixedView(tracks[i].language)) && pass(tracks[i])) return i;
  return -1;
}

Pass<AudioTrack> RateIs(int kbps) {
  return [kbps](const AudioTrack& t) { return t.bitrateKbps == kbps; };
}

bool IsPcm(const AudioTrack& t) { return platform::FixedView(t.format) == "PCM"; }
bool IsPgs(const SubtitleTrack& t) { return platform::FixedView(t.format) == "PGS"; }

}  // namespace

PreferredLanguages::PreferredLanguages(std::string_view setting)
    : first(setting.substr(0, 3)),
      second(setting.size() == 3 ? setting : (setting.size() > 4 ? setting.substr(4) : std::string_view())) {}

bool PreferredLanguages::Match(std::string_view language) const { return language == first || language == second; }

int PreferredAudioTrack(const SourceInfo& source, int media, const PreferredLanguages& languages) {
  const bool roomy = media != kMediaDvd5 && media != kMediaUsb4Gb;  // the HD track may stay
  const bool blurayDisc = media == kMediaBd25 || media == kMediaBdRemux || media == kMediaCustom;
  std::vector<Pass<AudioTrack>> passes;
  if (roomy) passes.push_back([](const AudioTrack& t) { return t.isHd == 1; });
  if (blurayDisc) passes.push_back(IsPcm);
  if (roomy) passes.push_back(RateIs(1509));
  for (int kbps : {754, 640, 1509}) passes.push_back(RateIs(kbps));
  passes.push_back(IsPcm);
  passes.push_back(RateIs(448));
  passes.push_back([](const AudioTrack&) { return true; });
  return FirstMatch(source.audio, source.audioCount, languages, passes);
}

int PreferredSubtitleTrack(const SourceInfo& source, bool forcedWanted, const PreferredLanguages& languages) {
  std::vector<Pass<SubtitleTrack>> passes;
  if (forcedWanted) passes.push_back([](const SubtitleTrack& t) { return IsPgs(t) && t.forcedCaptions == -1; });
  passes.push_back([](const SubtitleTrack& t) { return IsPgs(t) && t.forcedCaptions > 0; });
  passes.push_back(IsPgs);
  passes.push_back([](const SubtitleTrack& t) { return platform::FixedView(t.format) == "UTF-8"; });
  return FirstMatch(source.subtitle, source.subtitleCount, languages, passes);
}
