#include "source/probe_streams.h"

#include <algorithm>

#include "platform/fixed_text.h"
#include "source/media_info.h"
#include "source/probe_values.h"
#include "source/text_search.h"

using platform::CopyFixed;

namespace {

// The parameters of one stream, read by name.
struct Stream {
  const MediaInfoFile& file;
  MediaStreamKind kind;
  size_t number;
  std::string operator()(const char* parameter) const { return file.Get(kind, number, parameter); }
};

int StreamCount(const MediaInfoFile& file, MediaStreamKind kind, int capacity) {
  return std::clamp(LeadingInt(file.Get(kind, 0, "StreamCount")), 0, capacity);
}

std::string Either(const std::string& first, const std::string& second) { return first.empty() ? second : first; }

void ReadVideoDuration(const Stream& get, const std::string& durationText, VideoTrack& video) {
  if (!durationText.empty()) {
    const double seconds = static_cast<double>(DurationTextSeconds(durationText));
    video.durationMs = 1000.0 * seconds;
    video.frameCount = LeadingReal(get("FrameRate")) * seconds;
    return;
  }
  video.durationMs = LeadingReal(get("Duration"));
  video.frameCount = LeadingReal(get("FrameCount"));
}

void ReadVideo(const Stream& get, const std::string& durationText, VideoTrack& video) {
  video.id = StreamIdOf(get("ID/String"));
  const std::string ownDuration(CutAt(get("Duration/String3"), '.'));
  CopyFixed(video.durationText, durationText.empty() ? ownDuration : durationText);
  CopyFixed(video.frameRateText, FrameRateShown(get("FrameRate/String")));
  CopyFixed(video.scanType, ScanTypeOf(get("ScanType/String")));
  CopyFixed(video.format, get("Format"));
  video.width = LeadingInt(get("Width"));
  video.height = LeadingInt(get("Height"));
  CopyFixed(video.aspectRatio, get("DisplayAspectRatio/String"));
  const std::string frameRate = get("FrameRate");
  CopyFixed(video.frameRate, frameRate);
  CopyFixed(video.frameRateFraction, FrameRateFraction(frameRate));
  const int nominal = LeadingInt(get("BitRate_Nominal"));
  video.bitrateKbps = (nominal != 0 ? nominal : LeadingInt(get("BitRate"))) / 1000;
  ReadVideoDuration(get, durationText, video);
}

template <typename Track>
void ReadLanguage(const Stream& get, Track& track) {
  CopyFixed(track.language, FirstLanguageCode(Either(get("Language/String3"), get("Language"))));
  CopyFixed(track.languageName, FirstLanguageName(Either(get("Language/String"), get("Language/String1"))));
}

void ReadAudio(const Stream& get, AudioTrack& audio) {
  audio.id = StreamIdOf(get("ID/String"));
  ReadLanguage(get, audio);
  CopyFixed(audio.channels, CutAt(get("Channel(s)/String"), 'a'));
  CopyFixed(audio.format, get("Format"));
  const std::string profile = FirstProfile(get("Format_Profile"));
  CopyFixed(audio.profile, profile);
  CopyFixed(audio.codecId, get("CodecID"));
  const AudioBitrates rates = AudioBitratesOf(get("BitRate"), profile);
  audio.bitrateKbps = rates.bitrateKbps;
  audio.hdBitrateKbps = rates.hdBitrateKbps;
  audio.isHd = rates.isHd;
  CopyFixed(audio.samplingRate, get("SamplingRate/String"));
  CopyFixed(audio.resolution, get("Resolution/String"));
  CopyFixed(audio.dialnorm, get("dialnorm/String"));
  audio.delayMs = LeadingInt(get("Video_Delay"));
}

void ReadSubtitle(const Stream& get, SubtitleTrack& subtitle) {
  subtitle.id = StreamIdOf(get("ID/String"));
  ReadLanguage(get, subtitle);
  CopyFixed(subtitle.format, get("Format"));
  CopyFixed(subtitle.codecId, get("CodecID"));
  const std::string title = get("Title");
  CopyFixed(subtitle.title, title);
  if (TitleSaysForced(title)) subtitle.forcedCaptions = -1;
}

}  // namespace

void ReadGeneralStreams(const MediaInfoFile& file, SourceInfo& source) {
  source.general.fill(GeneralStream{});
  source.generalCount = StreamCount(file, kGeneralStream, kMaxGeneralStreams);
  const int overall = LeadingInt(file.Get(kGeneralStream, 0, "OverallBitRate")) / 1000;
  for (int i = 0; i < source.generalCount; ++i) source.general[i].overallBitrateKbps = overall;
}

void ReadVideoTracks(const MediaInfoFile& file, const std::string& durationText, SourceInfo& source) {
  source.video.fill(VideoTrack{});
  source.videoCount = StreamCount(file, kVideoStream, kMaxVideoTracks);
  for (int i = 0; i < source.videoCount; ++i)
    ReadVideo(Stream{file, kVideoStream, static_cast<size_t>(i)}, durationText, source.video[i]);
}

void ReadAudioTracks(const MediaInfoFile& file, SourceInfo& source) {
  source.audio.fill(AudioTrack{});
  source.audioCount = StreamCount(file, kAudioStream, kMaxAudioTracks);
  for (int i = 0; i < source.audioCount; ++i)
    ReadAudio(Stream{file, kAudioStream, static_cast<size_t>(i)}, source.audio[i]);
}

void ReadSubtitleTracks(const MediaInfoFile& file, SourceInfo& source) {
  source.subtitle.fill(SubtitleTrack{});
  source.subtitleCount = StreamCount(file, kTextStream, kMaxSubtitleTracks);
  for (int i = 0; i < source.subtitleCount; ++i)
    ReadSubtitle(Stream{file, kTextStream, static_cast<size_t>(i)}, source.subtitle[i]);
}
