#include "audio_plan.h"

#include <algorithm>

#include "failure.h"

namespace eac3to {
namespace {

constexpr int kDefaultAc3Kbps = 640;
constexpr int kAc3Bitrates[] = {32,  40,  48,  56,  64,  80,  96,  112, 128, 160,
                                192, 224, 256, 320, 384, 448, 512, 576, 640};

using Args = std::vector<std::string>;

void Append(Args& args, const Args& more) { args.insert(args.end(), more.begin(), more.end()); }

Failure CannotWrite(const OutputPlan& plan, const std::string& extension, const std::string& why) {
  return Failure("Track " + std::to_string(plan.request.number) + " (" + plan.track.codec +
                 ") can't be written as " + extension + ": " + why + ".");
}

bool Wants16Bits(const OutputPlan& plan) {
  const int bits = plan.track.audio.bits;
  return plan.request.Has("-down16") || (bits > 0 && bits <= 16);
}

// "-down6", and the six channels AC-3 holds at most.
Args ChannelArgs(const OutputPlan& plan, int maximum) {
  const int limit = plan.request.Has("-down6") ? std::min(maximum, 6) : maximum;
  if (plan.track.audio.channels <= limit) return {};
  return {"-ac", std::to_string(limit)};
}

void PlanAc3Recode(OutputPlan& plan, int kbps) {
  if (!IsAc3Bitrate(kbps))
    throw Failure("AC3 can't be encoded at " + std::to_string(kbps) + "kbps.");
  plan.ffmpegArgs = {"-c:a", "ac3", "-b:a", std::to_string(kbps) + "k"};
  plan.decodesAudio = true;
  Append(plan.ffmpegArgs, ChannelArgs(plan, 6));
  const auto& dialnorm = plan.track.audio.dialnorm;
  if (plan.request.Has("-keepDialnorm") && dialnorm)
    Append(plan.ffmpegArgs, {"-dialnorm", std::to_string(*dialnorm)});
  Append(plan.ffmpegArgs, {"-f", "ac3"});
  plan.summary = "AC3 recode at " + std::to_string(kbps) + "kbps";
}

void PlanAc3(OutputPlan& plan) {
  const auto bitrate = plan.request.Bitrate();
  if (bitrate) return PlanAc3Recode(plan, *bitrate);
  if (plan.track.codec == "ac3") {
    plan.ffmpegArgs = {"-c:a", "copy", "-f", "ac3"};
    plan.summary = "AC3 copy";
  } else if (plan.track.audio.coreStreamIndex >= 0) {
    plan.mapIndex = plan.track.audio.coreStreamIndex;
    plan.ffmpegArgs = {"-c:a", "copy", "-f", "ac3"};
    plan.summary = "the embedded AC3";
  } else {
    PlanAc3Recode(plan, kDefaultAc3Kbps);
  }
}

void PlanDts(OutputPlan& plan, const std::string& extension) {
  if (plan.track.codec != "dts") throw CannotWrite(plan, extension, "no DTS encoder");
  plan.ffmpegArgs = {"-c:a", "copy"};
  const bool core = plan.request.Has("-core");
  if (core) Append(plan.ffmpegArgs, {"-bsf:a", "dca_core"});
  Append(plan.ffmpegArgs, {"-f", "dts"});
  plan.summary = core ? "DTS core" : "DTS copy";
}

void PlanTrueHd(OutputPlan& plan, bool transportStream) {
  if (plan.track.codec != "truehd") throw CannotWrite(plan, ".thd+ac3", "no TrueHD track");
  plan.summary = "TrueHD copy";
  // Only the transport stream interleaves the AC-3 frames; FFmpeg would part them.
  if (transportStream) {
    plan.engine = Engine::PidCopy;
    return;
  }
  plan.ffmpegArgs = {"-c:a", "copy", "-f", "truehd"};
}

void PlanFlac(OutputPlan& plan) {
  plan.ffmpegArgs = {"-c:a", "flac"};
  plan.decodesAudio = true;
  if (Wants16Bits(plan)) Append(plan.ffmpegArgs, {"-sample_fmt", "s16"});
  Append(plan.ffmpegArgs, ChannelArgs(plan, 8));
  Append(plan.ffmpegArgs, {"-f", "flac"});
  plan.summary = "FLAC recode";
}

// A WAV file under the ".pcm" name the program asks for: raw samples carry
// neither their channel count nor their width, and muxers read WAV headers
// (RF64 past 4 GB).
void PlanPcm(OutputPlan& plan) {
  const char* bits = Wants16Bits(plan) ? "16" : "24";
  plan.ffmpegArgs = {"-c:a", std::string("pcm_s") + bits + "le"};
  plan.decodesAudio = true;
  Append(plan.ffmpegArgs, ChannelArgs(plan, 8));
  Append(plan.ffmpegArgs, {"-f", "wav", "-rf64", "auto"});
  plan.summary = std::string("WAV, ") + bits + " bits";
}

}  // namespace

bool IsAc3Bitrate(int kbps) {
  return std::find(std::begin(kAc3Bitrates), std::end(kAc3Bitrates), kbps) !=
         std::end(kAc3Bitrates);
}

bool PlanAudio(OutputPlan& plan, const std::string& extension, bool transportStream) {
  plan.mapIndex = plan.track.streamIndex;
  if (extension == ".ac3") PlanAc3(plan);
  else if (extension == ".dts" || extension == ".dtshd") PlanDts(plan, extension);
  else if (extension == ".thd+ac3") PlanTrueHd(plan, transportStream);
  else if (extension == ".flac") PlanFlac(plan);
  else if (extension == ".pcm") PlanPcm(plan);
  else return false;
  return true;
}

}  // namespace eac3to
