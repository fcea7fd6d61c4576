#include "audio_start.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <vector>

#include "child_process.h"
#include "failure.h"

namespace eac3to {
namespace {

constexpr int kAc3Samples = 1536;
constexpr int kAc3Kbps[19] = {32,  40,  48,  56,  64,  80,  96,  112, 128, 160,
                              192, 224, 256, 320, 384, 448, 512, 576, 640};
constexpr int kAc3Rates[3] = {48000, 44100, 32000};

std::vector<std::uint8_t> ReadAll(const std::filesystem::path& file, std::uintmax_t most = UINTMAX_MAX) {
  std::error_code error;
  std::vector<std::uint8_t> bytes(std::min(std::filesystem::file_size(file, error), most));
  std::ifstream in(file, std::ios::binary);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

void WriteAll(const std::filesystem::path& file, const std::vector<std::uint8_t>& head,
              const std::uint8_t* body, std::size_t size) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(head.data()), static_cast<std::streamsize>(head.size()));
  out.write(reinterpret_cast<const char*>(body), static_cast<std::streamsize>(size));
  if (!out.flush()) throw Failure("\"" + file.string() + "\" can't be written.");
}

// Frames of silence in the layout and bitrate of the file's first frame,
// encoded by ffmpeg from the file itself turned down to nothing.
std::vector<std::uint8_t> SilentAc3(const std::filesystem::path& file, int frames, int kbps) {
  const std::filesystem::path silence = file.string() + ".silence";
  const ChildResult result = RunChild(
      {"ffmpeg", "-hide_banner", "-nostdin", "-loglevel", "error", "-y", "-i", file.string(),
       "-af", "volume=0", "-frames:a", std::to_string(frames), "-c:a", "ac3", "-b:a",
       std::to_string(kbps) + "k", "-f", "ac3", silence.string()},
      [](const std::string&) {});
  std::vector<std::uint8_t> bytes = ReadAll(silence);
  std::error_code ignored;
  std::filesystem::remove(silence, ignored);
  if (result.exitCode != 0 || bytes.empty())
    throw Failure("No silence could be made to delay \"" + file.string() + "\".");
  return bytes;
}

std::string Milliseconds(std::int64_t ticks) { return std::to_string(ticks / 90) + "ms"; }

std::string AlignAc3(const std::filesystem::path& file, std::int64_t offset) {
  const std::vector<std::uint8_t> header = ReadAll(file, 8);
  int kbps = 0, rate = 0;
  if (Ac3FrameSize(header.data(), header.size(), &kbps, &rate) == 0)
    throw Failure("\"" + file.string() + "\" doesn't start with an AC3 frame.");
  const double frameTicks = kAc3Samples * 90000.0 / rate;
  const long frames = std::lround(static_cast<double>(offset) / frameTicks);
  if (frames == 0) return "";
  const std::vector<std::uint8_t> bytes = ReadAll(file);
  if (frames > 0) {
    WriteAll(file, SilentAc3(file, static_cast<int>(frames), kbps), bytes.data(), bytes.size());
    return "Delaying the track by " + std::to_string(frames) + " silent frames (" +
           Milliseconds(offset) + " after the video's start).";
  }
  std::size_t at = 0;
  for (long i = 0; i < -frames && at < bytes.size(); ++i) {
    const std::size_t size = Ac3FrameSize(bytes.data() + at, bytes.size() - at);
    if (size == 0) throw Failure("\"" + file.string() + "\" holds a damaged AC3 frame.");
    at += size;
  }
  WriteAll(file, {}, bytes.data() + at, bytes.size() - at);
  return "Cutting " + std::to_string(-frames) + " frames from the track's start (" +
         Milliseconds(-offset) + " before the video's start).";
}

bool IsAc3Copy(const OutputPlan& plan) {
  return ExtensionOf(plan.request.file) == ".ac3" && !plan.decodesAudio;
}

}  // namespace

std::size_t Ac3FrameSize(const std::uint8_t* data, std::size_t size, int* kbps, int* rate) {
  if (size < 6 || data[0] != 0x0B || data[1] != 0x77 || (data[5] >> 3) > 10) return 0;
  const int fscod = data[4] >> 6, frmsizecod = data[4] & 0x3F;
  if (fscod > 2 || frmsizecod > 37) return 0;
  const int bitrate = kAc3Kbps[frmsizecod >> 1];
  if (kbps) *kbps = bitrate;
  if (rate) *rate = kAc3Rates[fscod];
  if (fscod == 0) return static_cast<std::size_t>(bitrate) * 4;
  if (fscod == 2) return static_cast<std::size_t>(bitrate) * 6;
  return static_cast<std::size_t>(bitrate * 320 / 147 + (frmsizecod & 1)) * 2;
}

std::optional<std::string> AlignCopiedAudio(const OutputPlan& plan, const std::filesystem::path& file,
                                            std::int64_t offset) {
  if (IsAc3Copy(plan)) {
    const std::string done = AlignAc3(file, offset);
    return done.empty() ? std::nullopt : std::optional<std::string>(done);
  }
  if (std::llabs(offset) < 90 * 5) return std::nullopt;  // a few milliseconds: nothing to hear
  return "<WARNING> Track " + std::to_string(plan.request.number) + " starts " +
         Milliseconds(std::llabs(offset)) + (offset > 0 ? " after" : " before") +
         " the video; a copy of " + plan.track.codec + " keeps that delay.";
}

}  // namespace eac3to
