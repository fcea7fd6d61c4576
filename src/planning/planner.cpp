#include "planning/planner.h"

#include <string>

#include "planning/bitrate_math.h"
#include "planning/media_index.h"
#include "planning/selected_tracks.h"
#include "planning/verdict.h"
#include "shell/app.h"
#include "uir_ids.h"

namespace {

// Every 192-byte packet carries 64 bits of headers; every frame 215
// bytes of stream overhead.
constexpr double kPacketHeaderBits = 64;
constexpr double kFrameOverheadBytes = 215;

int Value(App& app, int control) { return ui::AsInt(app.ui.GetCtrlVal(app.mainPanel, control)); }

void ShowBitrateBox(App& app, const char* label, int dimmed) {
  if (label) app.ui.SetCtrlAttribute(app.mainPanel, PANEL_BITRATE, ui::ATTR_LABEL_TEXT, std::string(label));
  app.ui.SetCtrlAttribute(app.mainPanel, PANEL_BITRATE, ui::ATTR_DIMMED, dimmed);
}

// What a kept subtitle takes from the video: a guess until a scan has
// measured the track; nearly nothing for a few forced captions.
int SubtitleShare(App& app) {
  const SourceInfo& source = app.source;
  const int target = Value(app, PANEL_SUBT);
  if (target == 0 || source.subtitleCount == 0 || source.stereoMode != 0) return 0;
  if (source.general[0].scanDonePackets == 0) return 22;
  const SubtitleTrack& track = SelectedSubtitle(app);
  if (track.forcedCaptions >= 1 && target >= 3) return track.forcedCaptions > 70 ? 1 : 0;
  return track.scannedBitrateKbps > 2 ? track.scannedBitrateKbps : 0;
}

int DiscVideoBitrate(App& app) {
  const VideoTrack& video = SelectedVideo(app);
  const AudioRate audio = PlannedAudioRate(SelectedAudio(app), Value(app, PANEL_AUDIO));
  const double mediaBytes = ui::AsDouble(app.ui.GetCtrlVal(app.mainPanel, PANEL_MEDIA));
  const int fits = ComputeVideoBitrate(video.durationMs, audio.kbps, audio.overheadBits, kPacketHeaderBits,
                                       kFrameOverheadBytes, video.frameCount, mediaBytes);
  return fits - SubtitleShare(app);
}

// The planned value, with the bitrate box dressed for the media.
int PlannedValue(App& app, int media) {
  if (media == kMediaMkv) {
    ShowBitrateBox(app, "     CRF     ", 0);
    return app.settings.CRF;
  }
  if (media == kMediaMkvRemux) {
    ShowBitrateBox(app, nullptr, 1);
    return 1;
  }
  ShowBitrateBox(app, "Video Bitrate", 0);
  return app.source.videoCount > 0 ? DiscVideoBitrate(app) : 0;
}

int SourceVideoRate(const SourceInfo& source, const VideoTrack& video) {
  if (video.scannedBitrateKbps != 0) return video.scannedBitrateKbps;
  if (video.bitrateKbps != 0) return video.bitrateKbps;
  return EstimateSourceVideoBitrate(source);
}

Verdict Judge(App& app, int media, int value) {
  const SourceInfo& source = app.source;
  const VideoTrack& video = SelectedVideo(app);
  // An estimate of nothing (no overall rate known) is no reason to copy.
  const int sourceRate = SourceVideoRate(source, video);
  if (sourceRate > 0 && sourceRate < value + 5 && !source.sourceIsMkv && source.stereoMode == 0)
    return SourceFitsVerdict(sourceRate);
  if (IsMkvMedia(media)) return CrfVerdict(value, source.stereoMode);
  return BitrateVerdict(value, video.width < 1440 || app.advanced.advResize720 != 0);
}

}  // namespace

void PlanVideoBitrate(App& app, int keepUserValue) {
  const int media = app.ui.GetCtrlIndex(app.mainPanel, PANEL_MEDIA);
  int value = PlannedValue(app, media);
  if (app.source.videoCount == 0) return;
  if (keepUserValue) value = Value(app, PANEL_BITRATE);
  else app.ui.SetCtrlVal(app.mainPanel, PANEL_BITRATE, value);
  const Verdict verdict = Judge(app, media, value);
  app.videoCopyChosen = verdict.copiesVideo ? 1 : 0;
  app.ui.SetCtrlVal(app.mainPanel, PANEL_INFO, verdict.text);
  app.ui.SetCtrlAttribute(app.mainPanel, PANEL_INFO, ui::ATTR_TEXT_COLOR, verdict.color);
}
