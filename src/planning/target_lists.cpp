#include "planning/target_lists.h"

#include <string_view>

#include "planning/bitrate_math.h"
#include "planning/media_index.h"
#include "planning/selected_tracks.h"
#include "platform/fixed_text.h"
#include "shell/app.h"
#include "uir_ids.h"

namespace {

constexpr int kAudioFlac = 2;
constexpr int kExtractOnlyForced = 3;

void AppendItem(App& app, int control, const char* label, int value) {
  app.ui.InsertListItem(app.mainPanel, control, -1, label, value);
}

// Offers the ways to keep the track; true when FLAC is among them.
bool AppendKeepItems(App& app, const AudioTrack& track, int media) {
  const std::string_view format = platform::FixedView(track.format);
  const bool mkv = IsMkvMedia(media);
  if (!track.isHd) {
    AppendItem(app, PANEL_AUDIO, "Untouched", 0);
    if (mkv && format == "PCM") AppendItem(app, PANEL_AUDIO, "FLAC (lossless)", kAudioFlac);
    return mkv && format == "PCM";
  }
  if (media != kMediaDvd5 && media != kMediaUsb4Gb) AppendItem(app, PANEL_AUDIO, "Untouched", kAudioKeepHd);
  if (mkv) AppendItem(app, PANEL_AUDIO, "FLAC (lossless)", kAudioFlac);
  if (format == "AC-3") AppendItem(app, PANEL_AUDIO, "TrueHD Core", 0);
  if (format == "DTS") AppendItem(app, PANEL_AUDIO, "DTS Core", 0);
  return mkv;
}

int DefaultAudioTarget(const App& app, const AudioTrack& track, int media, bool flacOffered) {
  const bool hd = track.isHd != 0;
  if (IsMkvMedia(media)) return app.settings.UseFlac && flacOffered ? kAudioFlac : (hd ? 0 : 1);
  if (media == kMediaDvd9) return hd ? 0 : 1;
  if (media == kMediaDvd5 || media == kMediaUsb4Gb) return track.bitrateKbps > 768 ? 640 : 0;
  return hd ? 1 : 0;
}

int DefaultSubtitleTarget(const App& app, const SubtitleTrack& track) {
  if (app.source.subtitleCount == 0 || app.settings.NoSubtitle) return 0;
  if (!app.settings.ForcedSubtitle) return 1;
  if (track.forcedCaptions > 0) return kExtractOnlyForced;
  return track.forcedCaptions == 0 ? 0 : 2;
}

// A value the ring does not hold leaves its first item chosen.
void SelectValue(App& app, int control, int value) {
  app.ui.SetCtrlIndex(app.mainPanel, control, 0);
  app.ui.SetCtrlVal(app.mainPanel, control, value);
}

}  // namespace

void FillAudioTargets(App& app) {
  const AudioTrack& track = SelectedAudio(app);
  const int media = app.ui.GetCtrlIndex(app.mainPanel, PANEL_MEDIA);
  app.ui.ClearListCtrl(app.mainPanel, PANEL_AUDIO);
  const bool flacOffered = AppendKeepItems(app, track, media);
  AppendItem(app, PANEL_AUDIO, "AC3 640 Kbps", 640);
  AppendItem(app, PANEL_AUDIO, "AC3 448 Kbps", 448);
  AppendItem(app, PANEL_AUDIO, "AC3 384 Kbps", 384);
  SelectValue(app, PANEL_AUDIO, DefaultAudioTarget(app, track, media, flacOffered));
}

// "Extract only forced" is offered while the chosen track has counted
// forced captions; a source without subtitles never keeps it.
void FillSubtitleTargets(App& app) {
  const SubtitleTrack& track = SelectedSubtitle(app);
  const int items = app.ui.GetNumListItems(app.mainPanel, PANEL_SUBT);
  const bool counted = app.source.subtitleCount > 0 && track.forcedCaptions > 0;
  if (counted && items == 3) AppendItem(app, PANEL_SUBT, "Extract only forced", kExtractOnlyForced);
  if (!counted && items == 4) app.ui.DeleteListItem(app.mainPanel, PANEL_SUBT, 3, 1);
  SelectValue(app, PANEL_SUBT, DefaultSubtitleTarget(app, track));
}
