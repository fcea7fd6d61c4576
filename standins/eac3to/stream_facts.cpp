#include "stream_facts.h"

#include "audio_headers.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/channel_layout.h>
}

namespace eac3to {
namespace {

std::string Tag(const AVStream& stream, const char* key) {
  const AVDictionaryEntry* entry = av_dict_get(stream.metadata, key, nullptr, 0);
  return entry ? entry->value : "";
}

bool IsInterlaced(AVFieldOrder order) {
  return order == AV_FIELD_TT || order == AV_FIELD_BB || order == AV_FIELD_TB ||
         order == AV_FIELD_BT;
}

VideoFacts VideoOf(const AVStream& stream) {
  const AVCodecParameters& p = *stream.codecpar;
  VideoFacts video;
  video.width = p.width;
  video.height = p.height;
  video.interlaced = IsInterlaced(p.field_order);
  const AVRational rate = stream.avg_frame_rate.num > 0 ? stream.avg_frame_rate
                                                         : stream.r_frame_rate;
  video.rateNum = rate.num;
  video.rateDen = rate.den;
  AVRational sar = stream.sample_aspect_ratio.num > 0 ? stream.sample_aspect_ratio
                                                      : p.sample_aspect_ratio;
  if (sar.num <= 0 || sar.den <= 0) sar = {1, 1};
  av_reduce(&video.aspectNum, &video.aspectDen, std::int64_t{p.width} * sar.num,
            std::int64_t{p.height} * sar.den, 1 << 16);
  video.rightEye = p.codec_id == AV_CODEC_ID_H264 &&
                   (p.profile == FF_PROFILE_H264_MULTIVIEW_HIGH ||
                    p.profile == FF_PROFILE_H264_STEREO_HIGH);
  return video;
}

bool HasLfe(const AVChannelLayout& layout) {
  return av_channel_layout_index_from_channel(&layout, AV_CHAN_LOW_FREQUENCY) >= 0;
}

bool IsLossless(const AVCodecParameters& p) {
  const AVCodecDescriptor* descriptor = avcodec_descriptor_get(p.codec_id);
  if (p.codec_id == AV_CODEC_ID_DTS)
    return p.profile == FF_PROFILE_DTS_HD_MA;
  return descriptor && (descriptor->props & AV_CODEC_PROP_LOSSLESS) &&
         !(descriptor->props & AV_CODEC_PROP_LOSSY);
}

int BitsOf(const AVCodecParameters& p) {
  if (!IsLossless(p)) return 0;
  if (p.bits_per_raw_sample > 0) return p.bits_per_raw_sample;
  return p.bits_per_coded_sample > 0 ? p.bits_per_coded_sample : 24;
}

// A DTS-HD track names its core; a plain DTS track takes its rate from the header.
void AddDtsCore(AudioFacts& audio, int profile, const std::vector<std::uint8_t>& frame) {
  const auto header = ParseDtsCoreHeader(frame.data(), frame.size());
  if (!header) return;
  if (profile != FF_PROFILE_DTS_HD_MA && profile != FF_PROFILE_DTS_HD_HRA) {
    audio.kbps = header->kbps;
    return;
  }
  audio.core = AudioCore{"DTS", header->channels + (header->lfe ? 1 : 0), header->lfe,
                         header->kbps, header->sampleRate, std::nullopt};
}

AudioFacts AudioOf(const AVStream& stream, const std::vector<std::uint8_t>& frame) {
  const AVCodecParameters& p = *stream.codecpar;
  AudioFacts audio;
  audio.channels = p.ch_layout.nb_channels;
  audio.lfe = HasLfe(p.ch_layout);
  audio.sampleRate = p.sample_rate;
  audio.bits = BitsOf(p);
  audio.kbps = static_cast<int>(p.bit_rate / 1000);
  if (p.codec_id == AV_CODEC_ID_AC3) audio.dialnorm = ParseAc3Dialnorm(frame.data(), frame.size());
  if (p.codec_id == AV_CODEC_ID_DTS) AddDtsCore(audio, p.profile, frame);
  return audio;
}

std::optional<TrackKind> KindOf(const AVStream& stream) {
  if (stream.disposition & AV_DISPOSITION_ATTACHED_PIC) return std::nullopt;
  switch (stream.codecpar->codec_type) {
    case AVMEDIA_TYPE_VIDEO: return TrackKind::Video;
    case AVMEDIA_TYPE_AUDIO: return TrackKind::Audio;
    case AVMEDIA_TYPE_SUBTITLE: return TrackKind::Subtitle;
    default: return std::nullopt;
  }
}

}  // namespace

std::optional<Track> DescribeStream(const AVStream& stream,
                                    const std::vector<std::uint8_t>& firstFrame,
                                    bool transportStream) {
  const auto kind = KindOf(stream);
  if (!kind) return std::nullopt;
  Track track;
  track.kind = *kind;
  track.streamIndex = stream.index;
  track.pid = transportStream ? stream.id : -1;
  track.codec = avcodec_get_name(stream.codecpar->codec_id);
  track.profile = stream.codecpar->profile;
  track.language = Tag(stream, "language");
  track.title = Tag(stream, "title");
  if (stream.start_time != AV_NOPTS_VALUE)
    track.start = av_rescale_q(stream.start_time, stream.time_base, AVRational{1, 90000});
  if (*kind == TrackKind::Video) track.video = VideoOf(stream);
  if (*kind == TrackKind::Audio) track.audio = AudioOf(stream, firstFrame);
  return track;
}

AudioCore EmbeddedCore(const AVStream& stream, const std::vector<std::uint8_t>& firstFrame) {
  const AVCodecParameters& p = *stream.codecpar;
  return AudioCore{"AC3", p.ch_layout.nb_channels, HasLfe(p.ch_layout),
                   static_cast<int>(p.bit_rate / 1000), p.sample_rate,
                   ParseAc3Dialnorm(firstFrame.data(), firstFrame.size())};
}

}  // namespace eac3to
