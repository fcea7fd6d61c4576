#include "planning/selected_tracks.h"

#include "shell/app.h"
#include "uir_ids.h"

namespace {

int SelectedIndex(App& app, int control, int count, int capacity) {
  const int index = ui::AsInt(app.ui.GetCtrlVal(app.mainPanel, control));
  const int tracks = count < capacity ? count : capacity;
  return index >= 0 && index < tracks ? index : 0;
}

}  // namespace

int SelectedVideoIndex(App& app) {
  return SelectedIndex(app, PANEL_S_VIDEO, app.source.videoCount, kMaxVideoTracks);
}

int SelectedAudioIndex(App& app) {
  return SelectedIndex(app, PANEL_S_AUDIO, app.source.audioCount, kMaxAudioTracks);
}

int SelectedSubtitleIndex(App& app) {
  return SelectedIndex(app, PANEL_S_SUB, app.source.subtitleCount, kMaxSubtitleTracks);
}

const VideoTrack& SelectedVideo(App& app) { return app.source.video[SelectedVideoIndex(app)]; }
const AudioTrack& SelectedAudio(App& app) { return app.source.audio[SelectedAudioIndex(app)]; }
const SubtitleTrack& SelectedSubtitle(App& app) { return app.source.subtitle[SelectedSubtitleIndex(app)]; }
