#include "engine/job_files.h"

#include <filesystem>

#include "engine/job_conditions.h"
#include "platform/fixed_text.h"

namespace {

std::string CopiedVideoSuffix(const Job& job) {
  if (HasCodec(job, "AVC")) return ".h264";
  if (HasCodec(job, "VC-1")) return ".vc1";
  if (HasCodec(job, "MPEG Video")) return ".m2v";
  return "";
}

std::string AudioSuffix(const Job& job) {
  if (job.audioTarget == 2) return ".flac";
  if (job.audioTarget != 0) return ".ac3";
  if (HasAudioCodec(job, "A_AC3")) return job.audioKeepHd ? ".thd+ac3" : ".ac3";
  if (HasAudioCodec(job, "A_DTS")) return job.audioKeepHd ? ".dtshd" : ".dts";
  if (HasAudioCodec(job, "A_LPCM")) return ".pcm";
  return "";
}

}  // namespace

JobFiles::JobFiles(const std::string& tempFolder, const Job& job, int slot)
    : job_(job), folder_(tempFolder), tag_(".job_" + std::to_string(slot)) {}

std::string JobFiles::Named(const std::string& suffix) const {
  return (std::filesystem::path(folder_) / (platform::FixedText(job_.name) + tag_ + suffix)).string();
}

std::string JobFiles::Stem(const std::string& stem, const std::string& extension) const {
  return (std::filesystem::path(folder_) / (stem + tag_ + extension)).string();
}

std::string JobFiles::CopiedVideo() const { return Named(CopiedVideoSuffix(job_)); }
std::string JobFiles::Video() const { return job_.videoCopy ? CopiedVideo() : Named(".mkv"); }
std::string JobFiles::Audio() const { return Named(AudioSuffix(job_)); }
std::string JobFiles::Subtitle() const { return Named(IsTextSubtitle(job_) ? ".srt" : ".sup"); }

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

bool FileHasContent(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec) && std::filesystem::file_size(path, ec) > 0 && !ec;
}

void RemoveFile(const std::string& path) {
  std::error_code ec;
  std::filesystem::remove(path, ec);
}
