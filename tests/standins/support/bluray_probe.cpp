#include "bluray_probe.h"

#include <libbluray/bluray.h>

namespace {

std::vector<ProbedStream> streams(const BLURAY_STREAM_INFO* info, uint8_t count) {
  std::vector<ProbedStream> out;
  for (uint8_t i = 0; i < count; ++i)
    out.push_back({info[i].pid, info[i].coding_type, reinterpret_cast<const char*>(info[i].lang)});
  return out;
}

ProbedTitle summarize(const BLURAY_TITLE_INFO& info) {
  ProbedTitle t;
  t.playlist = info.playlist;
  t.duration = info.duration;
  for (uint32_t i = 0; i < info.chapter_count; ++i) t.chapterStarts.push_back(info.chapters[i].start);
  for (uint32_t i = 0; i < info.clip_count; ++i) t.clips.push_back(info.clips[i].clip_id);
  if (info.clip_count > 0) {
    const BLURAY_CLIP_INFO& c = info.clips[0];
    t.video = streams(c.video_streams, c.video_stream_count);
    t.audio = streams(c.audio_streams, c.audio_stream_count);
    t.subtitles = streams(c.pg_streams, c.pg_stream_count);
  }
  return t;
}

}  // namespace

std::vector<ProbedTitle> probeTitles(const std::filesystem::path& root) {
  std::vector<ProbedTitle> titles;
  BLURAY* bd = bd_open(root.c_str(), nullptr);
  if (bd == nullptr) return titles;
  const uint32_t count = bd_get_titles(bd, TITLES_ALL, 0);
  for (uint32_t i = 0; i < count; ++i) {
    BLURAY_TITLE_INFO* info = bd_get_title_info(bd, i, 0);
    if (info == nullptr) continue;
    titles.push_back(summarize(*info));
    bd_free_title_info(info);
  }
  bd_close(bd);
  return titles;
}

namespace {

void record(MenuPlayback& playback, const BD_EVENT& e) {
  // libbluray may announce the same title twice in a row.
  if (e.event == BD_EVENT_TITLE && (playback.titles.empty() || playback.titles.back() != e.param))
    playback.titles.push_back(e.param);
  if (e.event == BD_EVENT_PLAYLIST) playback.playlists.push_back(e.param);
  if (e.event == BD_EVENT_PG_TEXTST) playback.subtitlesShown = e.param == 1;
}

}  // namespace

MenuPlayback playFromFirstPlay(const std::filesystem::path& root) {
  MenuPlayback playback;
  BLURAY* bd = bd_open(root.c_str(), nullptr);
  if (bd == nullptr) return playback;
  if (bd_play(bd)) {
    std::vector<unsigned char> block(6144);
    BD_EVENT e;
    for (int i = 0; i < 50 && playback.playlists.empty(); ++i) {
      const int got = bd_read_ext(bd, block.data(), static_cast<int>(block.size()), &e);
      record(playback, e);
      while (bd_get_event(bd, &e)) record(playback, e);
      if (got < 0) break;
    }
  }
  bd_close(bd);
  return playback;
}
