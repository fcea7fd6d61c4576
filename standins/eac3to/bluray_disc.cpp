#include "bluray_disc.h"

#include <memory>

#include "failure.h"
#include "file_probe.h"
#include "navigation_check.h"

extern "C" {
#include <libbluray/bluray.h>
}

namespace eac3to {
namespace {

// Menus, logos and trailers this short are no candidates for a conversion.
constexpr unsigned kShortestSeconds = 5;

struct DiscCloser {
  void operator()(BLURAY* disc) const { bd_close(disc); }
};
struct TitleFreer {
  void operator()(BLURAY_TITLE_INFO* info) const { bd_free_title_info(info); }
};

void AddLanguages(Playlist& playlist, const BLURAY_STREAM_INFO* streams, int count) {
  for (int i = 0; i < count; ++i)
    if (streams[i].lang[0]) playlist.languages[streams[i].pid] =
        std::string(reinterpret_cast<const char*>(streams[i].lang), 3);
}

Playlist ReadPlaylist(const BLURAY_TITLE_INFO& info) {
  Playlist playlist;
  playlist.mpls = info.playlist;
  playlist.durationMs = static_cast<std::int64_t>(info.duration / 90);
  for (unsigned i = 0; i < info.clip_count; ++i) {
    const BLURAY_CLIP_INFO& clip = info.clips[i];
    playlist.clips.push_back({std::string(clip.clip_id, 5),
                              static_cast<std::int64_t>(clip.in_time),
                              static_cast<std::int64_t>(clip.out_time)});
  }
  for (unsigned i = 0; i < info.chapter_count; ++i)
    playlist.chaptersMs.push_back(static_cast<std::int64_t>(info.chapters[i].start / 90));
  if (info.clip_count > 0) {
    const BLURAY_CLIP_INFO& first = info.clips[0];
    AddLanguages(playlist, first.audio_streams, first.audio_stream_count);
    AddLanguages(playlist, first.pg_streams, first.pg_stream_count);
  }
  return playlist;
}

std::vector<Playlist> ReadPlaylists(const std::filesystem::path& root) {
  std::unique_ptr<BLURAY, DiscCloser> disc(bd_open(root.c_str(), nullptr));
  if (!disc) throw Failure("The Blu-ray folder \"" + root.string() + "\" can't be opened.");
  CheckNavigationFiles(disc.get(), root);
  std::vector<Playlist> playlists;
  const uint32_t count = bd_get_titles(disc.get(), TITLES_RELEVANT, kShortestSeconds);
  for (uint32_t i = 0; i < count; ++i) {
    std::unique_ptr<BLURAY_TITLE_INFO, TitleFreer> info(bd_get_title_info(disc.get(), i, 0));
    if (info && info->clip_count > 0) playlists.push_back(ReadPlaylist(*info));
  }
  OrderPlaylists(playlists);
  return playlists;
}

std::filesystem::path ClipFile(const std::filesystem::path& root, const std::string& id) {
  const auto stream = root / "BDMV" / "STREAM";
  for (const char* extension : {".m2ts", ".M2TS", ".mts"})
    if (std::filesystem::exists(stream / (id + extension))) return stream / (id + extension);
  throw Failure("The clip \"" + (stream / (id + ".m2ts")).string() + "\" doesn't exist.");
}

Track ChaptersTrack(std::size_t count) {
  Track track;
  track.kind = TrackKind::Chapters;
  track.codec = "chapters";
  track.chapterCount = static_cast<int>(count);
  return track;
}

}  // namespace

std::filesystem::path DiscRoot(const std::filesystem::path& folder) {
  std::error_code error;
  if (std::filesystem::exists(folder / "BDMV" / "index.bdmv", error)) return folder;
  if (std::filesystem::exists(folder / "index.bdmv", error) &&
      std::filesystem::exists(folder / "PLAYLIST", error))
    return folder.parent_path();
  return {};
}

BlurayDisc::BlurayDisc(const std::filesystem::path& folder) {
  root_ = DiscRoot(std::filesystem::absolute(folder).lexically_normal());
  if (root_.empty())
    throw Failure("\"" + folder.string() + "\" is no Blu-ray folder (BDMV/index.bdmv is missing).");
  playlists_ = ReadPlaylists(root_);
  if (playlists_.empty()) throw Failure("The Blu-ray folder holds no playlist to list.");
}

Source BlurayDisc::PlaylistSource(int number) const {
  if (number < 1 || number > static_cast<int>(playlists_.size()))
    throw Failure("The disc has no playlist " + std::to_string(number) + ") (it lists " +
                  std::to_string(playlists_.size()) + ").");
  const Playlist& playlist = playlists_[number - 1];
  Source source = ProbeFile(ClipFile(root_, playlist.clips[0].id));
  source.parts.clear();
  for (const auto& clip : playlist.clips)
    source.parts.push_back({ClipFile(root_, clip.id), clip.inTime, clip.outTime});
  source.durationMs = playlist.durationMs;
  source.chaptersMs = playlist.chaptersMs;
  for (auto& track : source.tracks)
    if (track.language.empty() && playlist.languages.count(track.pid))
      track.language = playlist.languages.at(track.pid);
  if (!playlist.chaptersMs.empty())
    source.tracks.insert(source.tracks.begin(), ChaptersTrack(playlist.chaptersMs.size()));
  return source;
}

}  // namespace eac3to
