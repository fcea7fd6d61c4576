#include "shell/advanced_dialog.h"

#include <string>

#include "planning/media_index.h"
#include "planning/planner.h"
#include "platform/fixed_text.h"
#include "shell/app.h"
#include "uir_ids.h"

namespace {

// Cropping serves a recoded 2D MKV only.
bool CropUsable(const App& app, int media, int bitrate) {
  return media == kMediaMkv && app.source.stereoMode == 0 && bitrate != 1;
}

// Resizing serves a progressive 1920-pixel 2D picture that is recoded.
bool ResizeUsable(const App& app, int media, int bitrate) {
  const VideoTrack& video = app.source.video[0];
  return video.width == 1920 && video.scanType[0] == 'p' && app.source.stereoMode == 0 &&
         media != kMediaMkvRemux && bitrate != 1;
}

}  // namespace

void OpenAdvancedOptions(App& app) {
  ui::Toolkit& ui = app.ui;
  const int panel = ui.LoadPanel(app.mainPanel, P_ADVANCED);
  if (panel < 0) return;
  const AdvancedOptions& options = app.advanced;
  ui.SetCtrlVal(panel, P_ADVANCED_TUNE, platform::FixedText(options.advTune));
  ui.SetCtrlVal(panel, P_ADVANCED_RESIZE, options.advResize720);
  ui.SetCtrlVal(panel, P_ADVANCED_PARAM, platform::FixedText(options.advExtraOptions));
  const int media = ui.GetCtrlIndex(app.mainPanel, PANEL_MEDIA);
  const int bitrate = ui::AsInt(ui.GetCtrlVal(app.mainPanel, PANEL_BITRATE));
  const bool crop = CropUsable(app, media, bitrate);
  ui.SetCtrlVal(panel, P_ADVANCED_CROP, crop ? options.advCropHeight : 0);
  ui.SetCtrlAttribute(panel, P_ADVANCED_CROP, ui::ATTR_DIMMED, crop ? 0 : 1);
  if (ResizeUsable(app, media, bitrate)) ui.SetCtrlAttribute(panel, P_ADVANCED_RESIZE, ui::ATTR_DIMMED, 0);
  ui.InstallPopup(panel);
}

void ApplyAdvancedOptions(App& app, int panel) {
  ui::Toolkit& ui = app.ui;
  AdvancedOptions& options = app.advanced;
  const std::string extra = ui::AsText(ui.GetCtrlVal(panel, P_ADVANCED_PARAM));
  if (!platform::FitsFixed(sizeof options.advExtraOptions, extra)) {
    ui.MessagePopup("ERROR", "The x264 parameters are too long: at most " +
                                 std::to_string(sizeof options.advExtraOptions - 1) + " bytes fit.");
    return;
  }
  platform::CopyFixed(options.advTune, ui::AsText(ui.GetCtrlVal(panel, P_ADVANCED_TUNE)));
  platform::CopyFixed(options.advExtraOptions, extra);
  options.advCropHeight = ui::AsInt(ui.GetCtrlVal(panel, P_ADVANCED_CROP));
  options.advResize720 = ui::AsInt(ui.GetCtrlVal(panel, P_ADVANCED_RESIZE));
  ui.DiscardPanel(panel);
  PlanVideoBitrate(app, 1);
}

void CancelAdvancedOptions(App& app, int panel) { app.ui.DiscardPanel(panel); }
