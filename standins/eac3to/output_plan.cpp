#include "output_plan.h"

#include <algorithm>
#include <cctype>

#include "audio_plan.h"
#include "failure.h"

namespace eac3to {
namespace {

// Raw video files and the codec each holds, with FFmpeg's muxer for it.
struct RawVideo {
  const char* extension;
  const char* codec;
  const char* muxer;
};
constexpr RawVideo kRawVideo[] = {
    {".h264", "h264", "h264"}, {".vc1", "vc1", "vc1"}, {".m2v", "mpeg2video", "mpeg2video"}};

std::string TrackName(const OutputPlan& plan) {
  return "Track " + std::to_string(plan.request.number) + " (" + plan.track.codec + ")";
}

Failure WrongType(const OutputPlan& plan, const std::string& extension) {
  return Failure(TrackName(plan) + " can't be written as " + extension + ".");
}

bool PlanVideo(OutputPlan& plan, const std::string& extension) {
  plan.mapIndex = plan.track.streamIndex;
  if (extension == ".mkv") {
    plan.ffmpegArgs = {"-c:v", "copy", "-f", "matroska"};
    plan.summary = "video in Matroska";
    return true;
  }
  const auto raw = std::find_if(std::begin(kRawVideo), std::end(kRawVideo),
                                [&](const RawVideo& r) { return extension == r.extension; });
  if (raw == std::end(kRawVideo)) return false;
  if (plan.track.codec != raw->codec) throw WrongType(plan, extension);
  plan.ffmpegArgs = {"-c:v", "copy", "-f", raw->muxer};
  plan.summary = "raw video";
  return true;
}

bool IsTextSubtitle(const std::string& codec) {
  return codec == "subrip" || codec == "ass" || codec == "ssa" || codec == "text" ||
         codec == "webvtt" || codec == "mov_text";
}

bool PlanSubtitle(OutputPlan& plan, const std::string& extension) {
  plan.mapIndex = plan.track.streamIndex;
  const std::string& codec = plan.track.codec;
  if (extension == ".sup") {
    if (codec != "hdmv_pgs_subtitle") throw WrongType(plan, extension);
    plan.ffmpegArgs = {"-c:s", "copy", "-f", "sup"};
  } else if (extension == ".srt") {
    if (!IsTextSubtitle(codec)) throw WrongType(plan, extension);
    plan.ffmpegArgs = {"-c:s", codec == "subrip" ? "copy" : "srt", "-f", "srt"};
  } else {
    return false;
  }
  plan.summary = "subtitles";
  return true;
}

bool PlanByKind(OutputPlan& plan, const std::string& extension, bool transportStream) {
  switch (plan.track.kind) {
    case TrackKind::Chapters:
      plan.engine = Engine::ChapterText;
      plan.summary = "chapters";
      return extension == ".txt";
    case TrackKind::Video: return PlanVideo(plan, extension);
    case TrackKind::Audio: return PlanAudio(plan, extension, transportStream);
    case TrackKind::Subtitle: return PlanSubtitle(plan, extension);
  }
  return false;
}

}  // namespace

std::string ExtensionOf(const std::filesystem::path& file) {
  std::string extension = file.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

OutputPlan PlanOutput(const Source& source, const TrackRequest& request) {
  const Track* track = source.Find(request.number);
  if (!track)
    throw Failure("The source has no track " + std::to_string(request.number) + " (it has " +
                  std::to_string(source.tracks.size()) + ").");
  OutputPlan plan{request, *track, Engine::Ffmpeg, -1, {}, false, ""};
  const std::string extension = ExtensionOf(request.file);
  if (!PlanByKind(plan, extension, source.transportStream))
    throw Failure(TrackName(plan) + ": the file type \"" + extension +
                  "\" is not supported for this track.");
  return plan;
}

}  // namespace eac3to
