#include "source/track_lists.h"

#include <charconv>
#include <vector>

#include "platform/fixed_text.h"
#include "shell/app.h"
#include "uir_ids.h"

using platform::FixedText;

namespace {

std::string Kbps(int value) { return std::to_string(value) + " Kbps  "; }

// The first rate that is known, as "%d Kbps  ", else nothing.
std::string FirstKnownRate(int first, int second) {
  if (first != 0) return Kbps(first);
  if (second != 0) return Kbps(second);
  return {};
}

template <typename Track>
std::string LangOf(const Track& track) {
  const std::string name = FixedText(track.languageName);
  return name.empty() ? FixedText(track.language) : name;
}

std::string Part(const std::string& value) { return value.empty() ? std::string() : " / " + value; }

std::string AudioDetails(const AudioTrack& audio) {
  std::string details = FixedText(audio.samplingRate) + Part(FixedText(audio.resolution)) +
                        Part(FixedText(audio.dialnorm));
  if (audio.delayMs != 0) details += " / delay " + std::to_string(audio.delayMs) + " ms";
  return details;
}

// Written without the user's locale: the rings show "12.34".
std::string TwoDecimals(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
  return std::string(buffer, result.ptr);
}

// Measured rate of a subtitle track: its packets over the share of the
// duration the scan read. 0 while that share is unknown.
double ScannedSubtitleKbps(const SubtitleTrack& subtitle, const SourceInfo& source) {
  const auto total = static_cast<uint32_t>(source.general[0].scanTotalPackets);
  const auto done = static_cast<uint32_t>(source.general[0].scanDonePackets);
  const double scannedMs = total ? source.video[0].durationMs * done / total : 0.0;
  if (scannedMs <= 0) return 0.0;
  return 1472.0 * static_cast<uint32_t>(subtitle.scannedPackets) / scannedMs;
}

std::string ForcedPart(int forcedCaptions) {
  if (forcedCaptions > 0) return " / " + std::to_string(forcedCaptions) + " forced captions";
  if (forcedCaptions == -1) return " / forced subs track?";
  return {};
}

void FillRing(App& app, int control, int refresh, const std::vector<std::string>& items) {
  if (!refresh) app.ui.ClearListCtrl(app.mainPanel, control);
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    if (refresh)
      app.ui.ReplaceListItem(app.mainPanel, control, i, items[i], i);
    else
      app.ui.InsertListItem(app.mainPanel, control, ui::VAL_LAST, items[i], i);
  }
}

}  // namespace

std::string VideoItemText(const VideoTrack& v) {
  return std::to_string(v.id) + " :  " + FixedText(v.durationText) + "  " + FixedText(v.format) + "  " +
         FirstKnownRate(v.scannedBitrateKbps, v.bitrateKbps) + "(" + std::to_string(v.width) + "x" +
         std::to_string(v.height) + FixedText(v.scanType) + " / " + FixedText(v.frameRateText) + " / " +
         FixedText(v.aspectRatio) + ")";
}

std::string AudioItemText(const AudioTrack& a) {
  const std::string head = std::to_string(a.id) + " :  " + LangOf(a) + "  " + FixedText(a.format);
  if (a.isHd == 1)
    return head + " " + FixedText(a.profile) + "  " + FirstKnownRate(a.hdBitrateKbps, a.scannedBitrateKbps) + "(" +
           FixedText(a.channels) + " / Core " + std::to_string(a.bitrateKbps) + " Kbps / " + AudioDetails(a) + ")";
  return head + "  " + Kbps(a.bitrateKbps) + "(" + FixedText(a.channels) + " / " + AudioDetails(a) + ")";
}

std::string SubtitleItemText(const SubtitleTrack& s, const SourceInfo& source) {
  std::string text = std::to_string(s.id) + " :  " + LangOf(s) + "  " + FixedText(s.format) + "  " + FixedText(s.title);
  if (source.general[0].scanTotalPackets == 0) return text;
  return text + "  (" + TwoDecimals(ScannedSubtitleKbps(s, source)) + " Kbps" + ForcedPart(s.forcedCaptions) + ")";
}

void ShowTrackLists(App& app, int refresh) {
  const SourceInfo& source = app.source;
  std::vector<std::string> video, audio, subtitles;
  for (int i = 0; i < source.videoCount && i < kMaxVideoTracks; ++i) video.push_back(VideoItemText(source.video[i]));
  for (int i = 0; i < source.audioCount && i < kMaxAudioTracks; ++i) audio.push_back(AudioItemText(source.audio[i]));
  for (int i = 0; i < source.subtitleCount && i < kMaxSubtitleTracks; ++i)
    subtitles.push_back(SubtitleItemText(source.subtitle[i], source));
  FillRing(app, PANEL_S_VIDEO, refresh, video);
  FillRing(app, PANEL_S_AUDIO, refresh, audio);
  FillRing(app, PANEL_S_SUB, refresh, subtitles);
}
