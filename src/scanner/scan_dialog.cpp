#include "scanner/scan_dialog.h"

#include "scanner/scan_files.h"
#include "scanner/scan_lines.h"
#include "scanner/scan_results.h"
#include "scanner/scan_tick.h"
#include "scanner/scan_worker.h"
#include "shell/app.h"
#include "uir_ids.h"

namespace scanner {

namespace {

constexpr double kTickSeconds = 1.0;

void AppendOpeningLines(App& app, int panel) {
  const SourceInfo& source = app.source;
  auto append = [&app, panel](const auto& track, int) {
    app.ui.InsertListItem(panel, PAN_SCAN_LIST, -1, OpeningLine(track), track.id);
  };
  ForEachTrack(source.video, source.videoCount, kFirstVideoSlot, append);
  ForEachTrack(source.audio, source.audioCount, kFirstAudioSlot, append);
  ForEachTrack(source.subtitle, source.subtitleCount, kFirstSubtitleSlot, append);
}

void ShowDialog(App& app, const ScanRun& run) {
  const int panel = app.ui.LoadPanel(app.mainPanel, PAN_SCAN);
  app.scan.scanPanel = panel;
  app.ui.SetCtrlAttribute(panel, PAN_SCAN_NUM, ui::ATTR_MAX_VALUE,
                          static_cast<int>(run.counters.totalPackets.load()));
  AppendOpeningLines(app, panel);
  app.ui.InstallPopup(panel);
}

// The worker's results reach the source on the user-interface thread.
void StartWorker(App& app, std::shared_ptr<ScanRun> run) {
  ui::Toolkit& toolkit = app.ui;
  app.scan.Start(run, [run, &toolkit, &app] {
    ScanBitratesThread(*run);
    if (run->scanState.load() == kScanUnreadable) return;
    toolkit.PostDeferredCall([run, &app] {
      if (run->current) StoreScanResults(app, *run);
    });
  });
}

}  // namespace

void OpenScanDialog(App& app) {
  app.scan.Retire();
  ResetScanCounters(app.source);
  auto run = std::make_shared<ScanRun>();
  const std::string sourcePath = ui::AsText(app.ui.GetCtrlVal(app.mainPanel, PANEL_SOURCE));
  if (const std::string error = SizeScanFiles(sourcePath, app.source, *run); !error.empty()) {
    app.ui.MessagePopup("ERROR", error);
    return;
  }
  StartScan(app, std::move(run));
}

void StartScan(App& app, std::shared_ptr<ScanRun> run) {
  run->pids = BuildPidTable(app.source);
  run->trackIds = TrackIdsOf(app.source);
  run->durationMs = app.source.videoCount > 0 ? app.source.video[0].durationMs : 0;
  ShowDialog(app, *run);
  app.scan.lastTickPackets = 0;
  app.scan.timer = app.ui.NewTimer(kTickSeconds, [&app, run] { ScanTimerProc(app, run); });
  StartWorker(app, std::move(run));
}

void CancelScan(App& app) {
  if (app.scan.run) app.scan.run->RequestStop();
}

void CloseScan(App& app) {
  CancelScan(app);
  if (app.scan.scanPanel != 0) app.ui.DiscardPanel(app.scan.scanPanel);
  app.scan.scanPanel = 0;
  app.ui.SetActiveCtrl(app.mainPanel, PANEL_ADD);
}

}  // namespace scanner
