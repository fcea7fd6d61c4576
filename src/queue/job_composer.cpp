#include "queue/job_composer.h"

#include "planning/selected_tracks.h"
#include "scanner/scan_dialog.h"
#include "shell/app.h"
#include "uir_ids.h"

JobComposer::JobComposer(App& app)
    : app_(app),
      source_(app.source),
      videoIndex_(SelectedVideoIndex(app)),
      audioIndex_(SelectedAudioIndex(app)),
      subtitleIndex_(SelectedSubtitleIndex(app)) {}

bool JobComposer::Compose() {
  return TakeTexts() && WarnAboutQuality() && SizePicture() && TakeVideo() && DecideVideoCopy() && TakeAudio() &&
         TakeSubtitle() && TakeX264Options();
}

// The scan has run on this source once the first video track has packets.
bool JobComposer::Scanned() const { return source_.video[0].scannedPackets != 0; }

// A "Yes" opens the scan instead of adding the job: the user adds it
// again once the bitrates are measured.
bool JobComposer::ScanFirst(const char* question) {
  if (!app_.ui.ConfirmPopup("WARNING", question)) return false;
  OpenScanDialog(app_);
  return true;
}
