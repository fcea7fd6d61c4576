#include "source/load_source.h"

#include <cstring>

#include "platform/fixed_text.h"
#include "planning/planner.h"
#include "planning/target_lists.h"
#include "shell/app.h"
#include "source/output_naming.h"
#include "source/stream_listing.h"
#include "source/track_languages.h"
#include "source/track_lists.h"
#include "source/track_probe.h"
#include "uir_ids.h"

namespace {

bool FirstAudioIsDtsHd(const SourceInfo& source) {
  const std::string_view profile = platform::FixedView(source.audio[0].profile);
  return source.audioCount > 0 && (profile == "MA" || profile == "HRA");
}

}  // namespace

void LoadSource(App& app, const std::string& path, const std::string& durationText) {
  if (path.empty()) {
    ClearSource(app);
    return;
  }
  app.ui.SetCtrlVal(app.mainPanel, PANEL_SOURCE, path);
  NameOutputs(app, path);
  ProbeTracks(app, path, durationText);
  if (FirstAudioIsDtsHd(app.source)) ReadCoreBitrates(app, path);
  NormaliseTrackLanguages(app.source);
  ShowTrackLists(app, 0);
  FillMediaList(app, 0);
  FillAudioTargets(app);
  FillSubtitleTargets(app);
  PlanVideoBitrate(app, 0);
  app.ui.SetCtrlAttribute(app.mainPanel, PANEL_ADD, ui::ATTR_DIMMED, 0);
}

void ClearSource(App& app) {
  SourceInfo& source = app.source;
  std::memset(source.outputMkvPath, 0, sizeof source.outputMkvPath);
  std::memset(source.outputFolderPath, 0, sizeof source.outputFolderPath);
  source.generalCount = source.videoCount = source.audioCount = source.subtitleCount = 0;
  source.general.fill(GeneralStream{});
  source.video.fill(VideoTrack{});
  source.audio.fill(AudioTrack{});
  source.subtitle.fill(SubtitleTrack{});

  ui::Toolkit& ui = app.ui;
  const int panel = app.mainPanel;
  for (int control : {PANEL_ADD, PANEL_SCAN, PANEL_ADVANCED}) ui.SetCtrlAttribute(panel, control, ui::ATTR_DIMMED, 1);
  for (int control : {PANEL_S_VIDEO, PANEL_S_AUDIO, PANEL_S_SUB}) ui.ClearListCtrl(panel, control);
  for (int control : {PANEL_SOURCE, PANEL_OUT, PANEL_INFO, PANEL_PLAYLIST_TIME}) ui.SetCtrlVal(panel, control, std::string());
  ui.ResetTextBox(panel, PANEL_CAPITOLS, "");
  ui.SetCtrlAttribute(panel, PANEL_IMDB, ui::ATTR_VISIBLE, 0);
}
