#include "source/track_probe.h"

#include <algorithm>

#include "shell/app.h"
#include "source/chapter_list.h"
#include "source/media_info.h"
#include "source/probe_streams.h"
#include "source/text_search.h"

namespace {

// Matroska chapters come from the menu stream: the names of its
// parameters from Chapters_Pos_Begin up to Chapters_Pos_End are the start
// times.
std::string MenuChapters(const MediaInfoFile& file) {
  const std::string begin = file.Get(kMenuStream, 0, "Chapters_Pos_Begin");
  if (begin.empty()) return {};
  const int first = LeadingInt(begin);
  const int end = LeadingInt(file.Get(kMenuStream, 0, "Chapters_Pos_End"));
  std::string chapters;
  for (int position = std::max(first, 0); position < end; ++position) {
    if (position > first) chapters += '\n';
    chapters += file.NameAt(kMenuStream, 0, static_cast<size_t>(position));
  }
  return chapters;
}

}  // namespace

void ProbeTracks(App& app, const std::string& path, const std::string& durationText) {
  app.ui.SetWaitCursor(true);
  {
    MediaInfoFile file(path);
    if (file.IsOpen()) {
      SourceInfo& source = app.source;
      ReadGeneralStreams(file, source);
      ReadVideoTracks(file, durationText, source);
      ReadAudioTracks(file, source);
      ReadSubtitleTracks(file, source);
      if (source.sourceIsMkv) ShowChapterList(app, MenuChapters(file));
    }
  }
  app.ui.SetWaitCursor(false);
}
