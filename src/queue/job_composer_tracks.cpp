// Steps of the composition that take the audio and subtitle tracks and
// the x264 options.

#include <string>

#include "planning/bitrate_math.h"
#include "platform/fixed_text.h"
#include "queue/codec_ids.h"
#include "queue/job_composer.h"
#include "queue/track_numbers.h"
#include "shell/app.h"
#include "uir_ids.h"

namespace {

constexpr const char* kScanHdAudio =
    "The HD audio has a variable bitrate and is necessary to scan the source to calculate the exact bitrate.\n\n"
    "Would you like to scan the bitrates before proceeding?";
constexpr const char* kScanForced =
    "You have marked the forced subtitles option but have not done scanning bit rates.\n\n"
    "Do you want to scan the source to find if exist forced subtitles?";
constexpr const char* kScanSubtitles =
    "The subs have a variable bitrate and is necessary to scan the source to calculate the exact bit rate.\n\n"
    "Would you like to scan the bit rates before proceeding?";

int Value(App& app, int control) { return ui::AsInt(app.ui.GetCtrlVal(app.mainPanel, control)); }

int ShownAudioRate(const AudioTrack& track, bool keepHd) {
  if (!keepHd) return track.bitrateKbps;
  return track.hdBitrateKbps != 0 ? track.hdBitrateKbps : track.scannedBitrateKbps;
}

}  // namespace

bool JobComposer::TakeAudio() {
  const AudioTrack& audio = source_.audio[audioIndex_];
  const int target = Value(app_, PANEL_AUDIO);
  const bool keepHd = target == kAudioKeepHd;
  job_.audioKeepHd = keepHd ? 1 : 0;
  job_.audioTarget = keepHd ? 0 : target;
  if (!Scanned() && keepHd && !Mkv() && !source_.sourceIsMkv && ScanFirst(kScanHdAudio)) return false;
  job_.audioTrackNo = static_cast<int8_t>(AudioTrackNumber(source_, audioIndex_));
  job_.audioStreamTrack = audio.id;
  job_.audioDelayMs = audio.delayMs;
  job_.audioCoreOnly = keepHd ? 0 : audio.isHd;
  const Settings& settings = app_.settings;
  const std::string_view channels = platform::FixedView(audio.channels);
  job_.audioDown16 = platform::FixedView(audio.resolution) == "24 bits" && settings.Down16 ? 1 : 0;
  job_.audioDown6 = (channels == "7 ch" || channels == "8 ch") && settings.Down6 ? 1 : 0;
  const std::string codecId = TrackCodecId(platform::FixedView(audio.codecId), platform::FixedView(audio.format));
  return Put(job_.audioLang, platform::FixedView(audio.language), "audio language") &&
         Put(job_.audioCodecId, codecId, "audio codec identifier") &&
         Put(job_.audioBitrateText, std::to_string(ShownAudioRate(audio, keepHd)), "audio bitrate");
}

bool JobComposer::TakeSubtitle() {
  if (source_.subtitleCount == 0) return true;
  const SubtitleTrack& subtitle = source_.subtitle[subtitleIndex_];
  job_.subMode = Value(app_, PANEL_SUBT);
  const std::string format(platform::FixedView(subtitle.format));
  const bool pgs = format == "PGS";
  if (job_.subMode != 0 && !Mkv() && !pgs && format != "UTF-8") {
    app_.ui.MessagePopup("WARNING", format + " subtitles are not supported. Please select PGS or UTF-8 formats if "
                                             "available.");
    return false;
  }
  const Settings& settings = app_.settings;
  const bool unscannedBluray = !Scanned() && !source_.sourceIsMkv;
  if (pgs && settings.ForcedSubtitle && !settings.NoSubtitle && unscannedBluray && ScanFirst(kScanForced))
    return false;
  if (job_.subMode != 0 && pgs && !Mkv() && unscannedBluray && job_.mode3d == 0 && ScanFirst(kScanSubtitles))
    return false;
  job_.subTrackNo = static_cast<int8_t>(SubtitleTrackNumber(source_, subtitleIndex_));
  job_.subStreamTrack = subtitle.id;
  const std::string codecId = TrackCodecId(platform::FixedView(subtitle.codecId), format);
  return Put(job_.subLang, platform::FixedView(subtitle.language), "subtitle language") &&
         Put(job_.subCodecId, codecId, "subtitle codec identifier");
}

bool JobComposer::TakeX264Options() {
  const AdvancedOptions& advanced = app_.advanced;
  const std::string preset = ui::AsText(app_.ui.GetCtrlVal(app_.mainPanel, PANEL_PRESETS));
  job_.resize720 = advanced.advResize720;
  job_.cropHeight = advanced.advCropHeight;
  // A kept PGS subtitle must be resized with the picture.
  if (job_.resize720 && job_.subMode != 0 && platform::FixedView(job_.subCodecId) == "S_HDMV/PGS") job_.resize720 = 2;
  return Put(job_.x264Preset, preset, "x264 preset") &&
         Put(job_.x264Tune, platform::FixedView(advanced.advTune), "x264 tune") &&
         Put(job_.x264ExtraOptions, platform::FixedView(advanced.advExtraOptions), "x264 parameters");
}
