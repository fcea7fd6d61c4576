#include "engine/forced_captions.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

#include "engine/job_files.h"

namespace {

constexpr size_t kHeaderSize = 13;
constexpr unsigned char kCompositionSegment = 0x16;
constexpr unsigned char kEpochStart = 0x80;
constexpr unsigned char kForcedOn = 0x40;
// Payload offsets of a presentation composition.
constexpr size_t kCompositionState = 7;
constexpr size_t kObjectCount = 10;
constexpr size_t kFirstObjectFlags = 14;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

enum class Outcome { Done, ReadFailed, WriteFailed };

// False when fewer bytes came: the end of the file, or a read error
// (which ferror tells apart).
bool ReadExactly(std::FILE* file, unsigned char* buffer, size_t size) {
  return size == 0 || std::fread(buffer, 1, size, file) == size;
}

bool WriteAll(std::FILE* file, const unsigned char* bytes, size_t size) {
  return size == 0 || std::fwrite(bytes, 1, size, file) == size;
}

bool IsEpochStart(const unsigned char* header, const std::vector<unsigned char>& payload) {
  return header[10] == kCompositionSegment && payload.size() > kCompositionState &&
         payload[kCompositionState] == kEpochStart;
}

// An epoch start without a composition object shows nothing of its own:
// it counts as not forced.
bool IsForced(const std::vector<unsigned char>& payload) {
  return payload.size() > kFirstObjectFlags && payload[kObjectCount] > 0 &&
         (payload[kFirstObjectFlags] & kForcedOn) != 0;
}

Outcome CopyForcedSegments(std::FILE* in, std::FILE* out) {
  unsigned char header[kHeaderSize];
  std::vector<unsigned char> payload;
  bool keep = false;
  while (ReadExactly(in, header, kHeaderSize) && header[0] == 'P' && header[1] == 'G') {
    payload.resize(static_cast<size_t>(header[11]) << 8 | header[12]);
    if (!ReadExactly(in, payload.data(), payload.size())) break;  // truncated: dropped
    if (IsEpochStart(header, payload)) keep = IsForced(payload);
    if (keep && !(WriteAll(out, header, kHeaderSize) && WriteAll(out, payload.data(), payload.size())))
      return Outcome::WriteFailed;
  }
  return std::ferror(in) ? Outcome::ReadFailed : Outcome::Done;
}

std::string Reason() { return std::strerror(errno ? errno : EIO); }

}  // namespace

std::string ExtractForcedCaptions(const std::string& input, const std::string& output) {
  errno = 0;
  const File in(std::fopen(input.c_str(), "rb"));
  if (!in) return "cannot read " + input + ": " + Reason();
  File out(std::fopen(output.c_str(), "wb"));
  if (!out) return "cannot write " + output + " from " + input + ": " + Reason();
  Outcome outcome = CopyForcedSegments(in.get(), out.get());
  std::string reason = outcome == Outcome::Done ? "" : Reason();
  // Closing writes what is still buffered.
  if (std::fclose(out.release()) != 0 && outcome == Outcome::Done) {
    outcome = Outcome::WriteFailed;
    reason = Reason();
  }
  if (outcome == Outcome::Done) return "";
  // A partial file would be taken as done when the job runs again.
  std::error_code ec;
  if (std::filesystem::is_regular_file(output, ec)) RemoveFile(output);
  if (outcome == Outcome::ReadFailed) return "cannot read " + input + ": " + reason;
  return "cannot write " + output + " from " + input + ": " + reason;
}
