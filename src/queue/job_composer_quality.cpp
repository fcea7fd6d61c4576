// Step of the composition that warns about choices giving poor results:
// a low disc bitrate, or a CRF outside the recommended range for MKV.

#include "planning/media_index.h"
#include "queue/job_composer.h"
#include "shell/app.h"
#include "uir_ids.h"

namespace {

constexpr const char* kLowBitrate =
    "The bitrate is very low and the video quality may be poor. It is recommended to\n"
    "choose a media of greater size or lower the audio bitrate.\n\nWould you like to continue anyway?";
constexpr const char* kLossless =
    "The lossless mode can produce a larger file size than the source!!! Only makes sense to\n"
    "use when source is ultra high quality (uncompressed video).\n\n"
    "If you're making a backup of BLU-RAY you may want to create a BD Remux (untouched video).\n\n"
    "Choose the option you want:";
constexpr const char* kRemuxTip =
    "We detected that the output format is MKV same as input.\n\nDo you want to remux only instead of recoding?";
constexpr const char* kCrfHigh =
    "CRF parameter is very high and the obtained video quality may be poor. CRF recommended values are 17 to "
    "25.\n\nWould you like to continue anyway?";
constexpr const char* kRemux3d =
    "Can't be used \"Remux mode\" in 3D SBS conversions due it's necessary to recode the video.\n\n"
    "Please, select another output option.";
constexpr const char* kCrfLow3d =
    "CRF parameter is very low and the file size obtained can be very large. CRF recommended values are 17 to "
    "25.\n\nWould you like to continue anyway?";
constexpr const char* kCrfLow =
    "CRF parameter is very low and the file size obtained can be very large. CRF recommended values are 17 to "
    "25.\n\nTIP: To keep the video untouched you can put CRF = 1 and the program will create a BDremux.\n\n"
    "Would you like to continue anyway?";

bool Within(int value, int low, int high) { return value >= low && value <= high; }

}  // namespace

bool JobComposer::WarnAboutQuality() { return Mkv() ? AskAboutCrf() : WarnAboutLowBitrate(); }

// Below about 3500 kb/s a full HD picture suffers; 720p copes down to 2000.
bool JobComposer::WarnAboutLowBitrate() {
  const bool fullHd = source_.video[videoIndex_].width >= 1440 && app_.advanced.advResize720 == 0;
  if (job_.videoBitrate >= (fullHd ? 3500 : 2000)) return true;
  return app_.ui.ConfirmPopup("WARNING", kLowBitrate) != 0;
}

// Choosing to copy the video makes the CRF 1.
bool JobComposer::AskAboutCrf() {
  int& crf = job_.videoBitrate;
  const int stereoMode = source_.stereoMode;
  if (crf == 0) {
    if (stereoMode == 0 &&
        app_.ui.GenericMessagePopup("WARNING", kLossless, "BD Remux (recommended)", "Lossless", "", 1, 0) == 1) {
      crf = 1;
      app_.videoCopyChosen = 1;
    }
    return true;
  }
  if (source_.sourceIsMkv && crf > 1 &&
      app_.ui.GenericMessagePopup("TIP", kRemuxTip, "Remux only", "Full Recode CRF", "", 1, 2) == 1) {
    crf = 1;
    app_.videoCopyChosen = 1;
  }
  if (crf > 25 && !app_.ui.ConfirmPopup("WARNING", kCrfHigh)) return RefuseCrf(PANEL_BITRATE);
  if (stereoMode != 0 && rawMedia_ == kMediaMkvRemux) {
    app_.ui.MessagePopup("SORRY", kRemux3d);
    return RefuseCrf(PANEL_MEDIA);
  }
  const bool low = stereoMode != 0 ? Within(crf, 1, 15) : Within(crf, 2, 15);
  if (low && !app_.ui.ConfirmPopup("WARNING", stereoMode != 0 ? kCrfLow3d : kCrfLow)) return RefuseCrf(PANEL_BITRATE);
  return true;
}

// The user goes back to the control that needs another value.
bool JobComposer::RefuseCrf(int focus) {
  app_.ui.SetActiveCtrl(app_.mainPanel, focus);
  return false;
}
