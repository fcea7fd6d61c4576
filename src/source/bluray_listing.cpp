#include "source/bluray_listing.h"

#include <algorithm>
#include <climits>

#include "source/text_search.h"

namespace {

constexpr int kMaxMainSeconds = 2400;  // playlists up to 40 minutes are extras
constexpr int kListedPlaylists = 15;

std::string_view AfterLeadingBlank(std::string_view text) {
  return !text.empty() && text[0] == ' ' ? text.substr(1) : text;
}

// The line from `start` up to its "\n" (or the end of the listing).
std::string_view LineFrom(std::string_view listing, size_t start) {
  const size_t end = listing.find('\n', start);
  return listing.substr(start, end == std::string_view::npos ? end : end - start);
}

// "name, clip, duration"; false when a part is missing.
bool SplitThree(std::string_view line, std::string_view& clip, std::string_view& duration) {
  const auto parts = SplitTokens(line, ",");
  if (parts.size() < 3) return false;
  clip = AfterLeadingBlank(parts[1]);
  duration = AfterLeadingBlank(parts[2]);
  return true;
}

ListingDecision Choose(std::string info = {}) { return {ListingDecision::ChoosePlaylist, std::move(info), {}, {}}; }

}  // namespace

ListingDecision DecideListing(std::string_view listing) {
  if (listing.empty() || ContainsNoCase(listing, "<ERROR>")) return {};
  const size_t first = FindNoCase(listing, "\n1) ");
  if (first == kNotFound) return {};
  const std::string_view line1 = LineFrom(listing, first + 4);
  if (line1.find(".m2ts") == std::string_view::npos || line1.find('+') != std::string_view::npos) return Choose();

  std::string_view clip, duration;
  if (const size_t second = FindNoCase(listing, "\n2) "); second != kNotFound) {
    const std::string_view line2 = LineFrom(listing, second + 4);
    if (line2.find(".m2ts") != std::string_view::npos) {
      if (!SplitThree(line2, clip, duration)) return {};
      if (DurationToSeconds(duration) > kMaxMainSeconds) return Choose(kTwoMainPlaylists);
    }
  }
  if (!SplitThree(line1, clip, duration)) return {};
  return {ListingDecision::LoadMainPlaylist, {}, std::string(clip), std::string(duration)};
}

std::vector<PlaylistLine> ParsePlaylistLines(std::string_view listing) {
  std::vector<PlaylistLine> playlists;
  for (int n = 1; n <= kListedPlaylists; ++n) {
    const std::string marker = "\n" + std::to_string(n) + ") ";
    const size_t at = listing.find(marker);
    if (at == std::string_view::npos) break;
    const size_t end = listing.find('\n', at + 1);
    if (end == std::string_view::npos) continue;
    // Two-digit numbers leave a blank before the name, as eac3to aligns them.
    const auto parts = SplitTokens(listing.substr(at + 4, end - at - 4), ",");
    if (parts.size() < 2) break;
    std::string_view clips = AfterLeadingBlank(parts[1]);
    std::string_view duration = parts.size() > 2 ? AfterLeadingBlank(parts[2]) : clips;
    if (parts.size() == 2) {
      // The clips stand on the next line: "   [00001+00002].m2ts".
      const size_t nextEnd = listing.find('\n', end + 1);
      if (nextEnd == std::string_view::npos) break;
      const std::string_view next = listing.substr(end + 1, nextEnd - end - 1);
      clips = next.size() > 4 ? next.substr(4) : std::string_view();
    }
    playlists.push_back({n, std::string(parts[0]), std::string(CutAt(clips, ']')), std::string(CutAt(duration, ' '))});
  }
  return playlists;
}

int DurationToSeconds(std::string_view text) {
  const auto parts = SplitTokens(text, ":");
  if (parts.size() < 2) return -1;
  const long long seconds = LeadingInt(parts[0]) * 3600LL + LeadingInt(parts[1]) * 60LL;
  return static_cast<int>(std::clamp<long long>(seconds, INT_MIN, INT_MAX));
}
