#include "scanner/scan_tick.h"

#include "scanner/scan_lines.h"
#include "scanner/scan_measures.h"
#include "platform/format_text.h"
#include "shell/app.h"
#include "uir_ids.h"

namespace scanner {

namespace {

constexpr double kMegabytesPerPacket = 0.000192;  // 192 bytes; ticks are a second apart

// The tick and the worker both write a subtitle's forced count: the tick
// replaces it only if the worker did not count meanwhile.
int32_t Classify(std::atomic<int32_t>& forced, double liveRateKbps, double timeMs) {
  int32_t seen = forced.load();
  for (;;) {
    const int32_t next = ClassifyForced(seen, liveRateKbps, timeMs);
    if (next == seen || forced.compare_exchange_weak(seen, next)) return next;
  }
}

class ListUpdate {
 public:
  ListUpdate(App& app, ScanRun& run)
      : app_(app), run_(run), timeMs_(ScannedTimeMs(run.durationMs, run.counters.donePackets.load(),
                                                    run.counters.totalPackets.load())) {}

  void Run() {
    SourceInfo& source = app_.source;
    ForEachTrack(source.video, source.videoCount, kFirstVideoSlot, [this](const VideoTrack& track, int slot) {
      Show(TickLine(track, Figures(slot, RateKbps(Packets(slot), kPayloadBits, timeMs_))), track.id);
    });
    ForEachTrack(source.audio, source.audioCount, kFirstAudioSlot, [this](const AudioTrack& track, int slot) {
      Show(TickLine(track, Figures(slot, AudioRate(track, slot))), track.id);
    });
    ForEachTrack(source.subtitle, source.subtitleCount, kFirstSubtitleSlot,
                 [this](const SubtitleTrack& track, int slot) {
                   const double rate = RateKbps(Packets(slot), kPayloadBits, timeMs_);
                   auto& forced = run_.counters.forcedCaptions[slot - kFirstSubtitleSlot];
                   Show(TickLine(track, ForcedNote(Classify(forced, rate, timeMs_)), Figures(slot, rate)), track.id);
                 });
  }

 private:
  uint32_t Packets(int slot) const { return run_.counters.packets[slot].load(); }

  LiveFigures Figures(int slot, double rate) const { return {timeMs_ / 1000, rate, Packets(slot)}; }

  // Plain audio shows its analysed bitrate; HD audio its full bitrate when
  // known, else what the scan measures.
  double AudioRate(const AudioTrack& track, int slot) const {
    if (track.isHd != 1) return track.bitrateKbps;
    if (track.hdBitrateKbps != 0) return track.hdBitrateKbps;
    return RateKbps(Packets(slot), kPayloadBits, timeMs_);
  }

  void Show(const std::string& line, int pid) {
    const int panel = app_.scan.scanPanel;
    if (panel != 0) app_.ui.ReplaceListItem(panel, PAN_SCAN_LIST, index_, line, pid);
    ++index_;
  }

  App& app_;
  ScanRun& run_;
  const double timeMs_;
  int index_ = 0;
};

void ShowProgress(App& app, ScanRun& run) {
  const uint32_t done = run.counters.donePackets.load();
  const double speed = static_cast<double>(done - app.scan.lastTickPackets) * kMegabytesPerPacket;
  if (const int panel = app.scan.scanPanel; panel != 0) {
    const uint32_t total = run.counters.totalPackets.load();
    app.ui.SetCtrlVal(panel, PAN_SCAN_CAD, ProgressLine(run.CurrentFileName(), done, total, speed));
    app.ui.SetCtrlVal(panel, PAN_SCAN_NUM, static_cast<int>(done));
  }
  app.scan.lastTickPackets = done;
}

// The worker has ended, or was asked to: the progress goes and the tick
// stops; a file that could not be read is named instead.
void EndTicking(App& app, ScanRun& run, int state) {
  if (const int panel = app.scan.scanPanel; panel != 0) {
    const std::string text =
        state == kScanUnreadable
            ? platform::FormatText("Could not read %s: the scan has ended and nothing was stored.",
                         run.CurrentFileName().c_str())
            : std::string();
    app.ui.SetCtrlVal(panel, PAN_SCAN_CAD, text);
    app.ui.SetCtrlVal(panel, PAN_SCAN_NUM, 0);
  }
  app.scan.StopTick();
  if (state == kScanSyncError)
    app.ui.MessagePopup("WARNING", "Sync byte missing!\n\nThe source file seems to be damaged.");
}

}  // namespace

void ScanTimerProc(App& app, std::shared_ptr<ScanRun> run) {
  ShowProgress(app, *run);
  ListUpdate(app, *run).Run();
  if (const int state = run->scanState.load(); state != kScanRunning) EndTicking(app, *run, state);
}

}  // namespace scanner
