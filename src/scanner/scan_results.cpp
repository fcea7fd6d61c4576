#include "scanner/scan_results.h"

#include "planning/planner.h"
#include "planning/target_lists.h"
#include "scanner/scan_measures.h"
#include "shell/app.h"
#include "uir_ids.h"
#include "source/track_lists.h"

namespace scanner {

namespace {

double BitsPerPacket(int slot) { return slot < kFirstAudioSlot ? kPayloadBits : kPacketBits; }

uint32_t Packets(const ScanRun& run, int slot) { return run.counters.packets[slot].load(); }

double ScannedTime(const ScanRun& run) {
  return ScannedTimeMs(run.durationMs, run.counters.donePackets.load(), run.counters.totalPackets.load());
}

}  // namespace

void ResetScanCounters(SourceInfo& source) {
  for (GeneralStream& general : source.general) general.scanTotalPackets = general.scanDonePackets = 0;
  for (VideoTrack& track : source.video) track.scannedPackets = track.scannedBitrateKbps = 0;
  for (AudioTrack& track : source.audio) track.scannedPackets = track.scannedBitrateKbps = 0;
  for (SubtitleTrack& track : source.subtitle)
    track.scannedPackets = track.scannedBitrateKbps = track.forcedCaptions = 0;
}

void ComputeScanBitrates(ScanRun& run) {
  const double timeMs = ScannedTime(run);
  for (int slot = kFirstVideoSlot; slot < kTrackSlots; ++slot)
    run.results.bitrateKbps[slot] = RoundedKbps(Packets(run, slot), BitsPerPacket(slot), timeMs);
}

TrackIds TrackIdsOf(const SourceInfo& source) {
  TrackIds ids{};
  auto note = [&ids](const auto& track, int slot) { ids[slot] = track.id; };
  ForEachTrack(source.video, source.videoCount, kFirstVideoSlot, note);
  ForEachTrack(source.audio, source.audioCount, kFirstAudioSlot, note);
  ForEachTrack(source.subtitle, source.subtitleCount, kFirstSubtitleSlot, note);
  return ids;
}

void StoreScanResults(App& app, const ScanRun& run) {
  SourceInfo& source = app.source;
  if (!run.current || TrackIdsOf(source) != run.trackIds) return;
  source.general[0].scanTotalPackets = static_cast<int32_t>(run.counters.totalPackets.load());
  source.general[0].scanDonePackets = static_cast<int32_t>(run.counters.donePackets.load());
  auto store = [&run](auto& track, int slot) {
    track.scannedPackets = static_cast<int32_t>(Packets(run, slot));
    track.scannedBitrateKbps = run.results.bitrateKbps[slot];
  };
  ForEachTrack(source.video, source.videoCount, kFirstVideoSlot, store);
  ForEachTrack(source.audio, source.audioCount, kFirstAudioSlot, store);
  // The classification the dialog's last tick makes from the final counts.
  const double timeMs = ScannedTime(run);
  ForEachTrack(source.subtitle, source.subtitleCount, kFirstSubtitleSlot, [&](SubtitleTrack& track, int slot) {
    store(track, slot);
    const int32_t counted = run.counters.forcedCaptions[slot - kFirstSubtitleSlot].load();
    track.forcedCaptions = ClassifyForced(counted, RateKbps(Packets(run, slot), kPayloadBits, timeMs), timeMs);
  });
  // The main window takes up the measured rates; the user's choices stay.
  // The default subtitle track may change with the forced captions found,
  // but nothing measured bears on the choice of the audio track: the one
  // the user picked is kept rather than re-chosen by language.
  ShowTrackLists(app, 1);
  const int audio = app.ui.GetCtrlIndex(app.mainPanel, PANEL_S_AUDIO);
  FillMediaList(app, 1);
  app.ui.SetCtrlIndex(app.mainPanel, PANEL_S_AUDIO, audio);
  FillSubtitleTargets(app);
  PlanVideoBitrate(app, 0);
}

}  // namespace scanner
