#include <cstdio>
#include <string>

#include "planning/media_index.h"
#include "planning/output_switch.h"
#include "planning/preferred_tracks.h"
#include "planning/target_lists.h"
#include "platform/fixed_text.h"
#include "shell/app.h"
#include "uir_ids.h"

namespace {

// The preferences name the custom medium's size, the media and the preset;
// the advanced options start over with x264's "film" tune.
void ApplyMediaDefaults(App& app) {
  const Settings& settings = app.settings;
  char label[32];
  std::snprintf(label, sizeof label, "%d MB", settings.CustomMedia);
  app.ui.ReplaceListItem(app.mainPanel, PANEL_MEDIA, kMediaCustom, label, settings.CustomMedia * 1000000.0);
  app.ui.SetCtrlIndex(app.mainPanel, PANEL_MEDIA, settings.Media);
  app.ui.SetCtrlVal(app.mainPanel, PANEL_PRESETS, platform::FixedText(settings.Preset));
  app.advanced = AdvancedOptions{};
  platform::CopyFixed(app.advanced.advTune, "film");
}

void ChoosePreferredTracks(App& app, int media) {
  const Settings& settings = app.settings;
  const int audio = PreferredAudioTrack(app.source, media, PreferredLanguages(platform::FixedView(settings.AudioLang)));
  if (audio >= 0) app.ui.SetCtrlVal(app.mainPanel, PANEL_S_AUDIO, audio);
  const int subtitle = PreferredSubtitleTrack(app.source, settings.ForcedSubtitle != 0,
                                              PreferredLanguages(platform::FixedView(settings.SubtitleLang)));
  if (subtitle >= 0) app.ui.SetCtrlVal(app.mainPanel, PANEL_S_SUB, subtitle);
}

}  // namespace

void FillMediaList(App& app, int refresh) {
  if (refresh == 0) ApplyMediaDefaults(app);
  const int media = app.ui.GetCtrlIndex(app.mainPanel, PANEL_MEDIA);
  if (media == kMediaMkvRemux) app.ui.SetCtrlVal(app.mainPanel, PANEL_BITRATE, 1);
  SwitchOutputPath(app, media);
  ChoosePreferredTracks(app, media);
}
