#include "file_probe.h"

#include <algorithm>
#include <map>

#include "libav_handles.h"
#include "stream_facts.h"

namespace eac3to {
namespace {

using FirstFrames = std::map<int, std::vector<std::uint8_t>>;

// Frame headers of audio streams carry facts that the stream parameters lack.
FirstFrames ReadFirstAudioFrames(AVFormatContext& context) {
  FirstFrames frames;
  std::size_t wanted = 0;
  for (unsigned i = 0; i < context.nb_streams; ++i)
    if (context.streams[i]->codecpar->codec_type == AVMEDIA_TYPE_AUDIO) ++wanted;
  PacketHandle packet(av_packet_alloc());
  for (int read = 0; frames.size() < wanted && read < 20000; ++read) {
    if (av_read_frame(&context, packet.get()) < 0) break;
    const AVStream& stream = *context.streams[packet->stream_index];
    if (stream.codecpar->codec_type == AVMEDIA_TYPE_AUDIO && !frames.count(stream.index))
      frames[stream.index].assign(packet->data, packet->data + packet->size);
    av_packet_unref(packet.get());
  }
  return frames;
}

std::string ContainerName(const AVInputFormat& format, const std::filesystem::path& file) {
  const std::string name = format.name;
  if (name == "mpegts") {
    const std::string ext = file.extension().string();
    return ext == ".m2ts" || ext == ".M2TS" || ext == ".mts" || ext == ".MTS" ? "M2TS" : "TS";
  }
  if (name.rfind("matroska", 0) == 0) return "MKV";
  std::string upper = name.substr(0, name.find(','));
  for (auto& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

// FFmpeg splits a Blu-ray TrueHD track into the TrueHD stream and a second
// stream with the embedded AC-3, both on the same PID. The listing shows one.
void FoldEmbeddedCores(std::vector<Track>& tracks, const AVFormatContext& context,
                       const FirstFrames& frames) {
  std::vector<int> folded;
  for (auto& track : tracks) {
    if (track.codec != "truehd" || track.pid < 0) continue;
    auto core = std::find_if(tracks.begin(), tracks.end(), [&](const Track& other) {
      return other.codec == "ac3" && other.pid == track.pid;
    });
    if (core == tracks.end()) continue;
    folded.push_back(core->streamIndex);
    const auto frame = frames.find(core->streamIndex);
    if (frame == frames.end()) continue;  // a TrueHD track without AC-3 frames
    track.audio.core = EmbeddedCore(*context.streams[core->streamIndex], frame->second);
    track.audio.coreStreamIndex = core->streamIndex;
  }
  std::erase_if(tracks, [&](const Track& t) {
    return std::find(folded.begin(), folded.end(), t.streamIndex) != folded.end();
  });
}

void SortLikeMediaInfo(std::vector<Track>& tracks) {
  std::stable_sort(tracks.begin(), tracks.end(), [](const Track& a, const Track& b) {
    if (a.kind != b.kind) return a.kind < b.kind;
    return a.pid < b.pid;
  });
}

// Where the file's picture begins: the time its other tracks are set against.
std::optional<std::int64_t> VideoStart(const std::vector<Track>& tracks) {
  const auto video = std::find_if(tracks.begin(), tracks.end(),
                                  [](const Track& t) { return t.kind == TrackKind::Video; });
  return video == tracks.end() ? std::nullopt : video->start;
}

}  // namespace

Source ProbeFile(const std::filesystem::path& file) {
  FormatHandle context = OpenMedia(file);
  const FirstFrames frames = ReadFirstAudioFrames(*context);
  Source source;
  source.container = ContainerName(*context->iformat, file);
  source.transportStream = std::string(context->iformat->name) == "mpegts";
  source.durationMs = context->duration > 0 ? context->duration / 1000 : 0;
  source.parts.push_back({file, std::nullopt, std::nullopt});
  for (unsigned i = 0; i < context->nb_streams; ++i) {
    const auto frame = frames.find(static_cast<int>(i));
    auto track = DescribeStream(*context->streams[i],
                                frame == frames.end() ? std::vector<std::uint8_t>{} : frame->second,
                                source.transportStream);
    if (track) source.tracks.push_back(std::move(*track));
  }
  FoldEmbeddedCores(source.tracks, *context, frames);
  SortLikeMediaInfo(source.tracks);
  source.parts.front().inTime = VideoStart(source.tracks);
  return source;
}

}  // namespace eac3to
