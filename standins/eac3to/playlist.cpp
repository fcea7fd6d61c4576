#include "playlist.h"

#include <algorithm>
#include <cstdio>

#include "source_listing.h"

namespace eac3to {
namespace {

constexpr std::size_t kMostPlaylists = 15;

std::string MplsName(unsigned mpls) {
  char name[16];
  std::snprintf(name, sizeof name, "%05u.mpls", mpls);
  return name;
}

std::string ClipList(const std::vector<ClipRef>& clips) {
  std::string text;
  for (const auto& clip : clips) text += (text.empty() ? "" : "+") + clip.id;
  return text;
}

}  // namespace

std::vector<std::string> ListPlaylists(const std::vector<Playlist>& playlists) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < playlists.size(); ++i) {
    const Playlist& p = playlists[i];
    const std::string head = std::to_string(i + 1) + ") " + MplsName(p.mpls) + ", ";
    if (p.clips.size() == 1) {
      lines.push_back(head + p.clips[0].id + ".m2ts, " + DurationText(p.durationMs));
    } else {
      lines.push_back(head + DurationText(p.durationMs));
      lines.push_back("   [" + ClipList(p.clips) + "].m2ts");
    }
  }
  return lines;
}

void OrderPlaylists(std::vector<Playlist>& playlists) {
  std::stable_sort(playlists.begin(), playlists.end(), [](const Playlist& a, const Playlist& b) {
    return a.durationMs != b.durationMs ? a.durationMs > b.durationMs : a.mpls < b.mpls;
  });
  if (playlists.size() > kMostPlaylists) playlists.resize(kMostPlaylists);
}

}  // namespace eac3to
