#include "scanner/scan_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "platform/fixed_text.h"
#include "scanner/count_packets.h"
#include "platform/format_text.h"

namespace scanner {

namespace {

std::string CannotRead(const std::string& path) {
  return platform::FormatText("Unable to read %s for the bitrate scan.", path.c_str());
}

// Opens a regular file for the scan; -1 when it cannot be read. `packets`
// receives its whole 192-byte packets.
int OpenSized(const std::string& path, uint64_t& packets) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    return -1;
  }
  packets = static_cast<uint64_t>(info.st_size) / kPacketSize;
  return fd;
}

// The packet counters are 32-bit words, as the source record keeps them.
std::string StoreTotal(uint64_t total, ScanRun& run) {
  if (total > INT32_MAX) return "The source is too large for the bitrate scan.";
  run.counters.totalPackets.store(static_cast<uint32_t>(total));
  return "";
}

std::string SizeJoinedClips(const std::string& sourcePath, const SourceInfo& source, ScanRun& run) {
  const size_t slash = sourcePath.rfind('/');
  const int playlist = source.joinPlaylist;
  if (slash == std::string::npos || playlist < 1 || playlist > kMaxPlaylists)
    return CannotRead(sourcePath);
  const std::string folder = sourcePath.substr(0, slash);
  uint64_t total = 0;
  for (const std::string& name : ClipFileNames(platform::FixedText(source.playlists[playlist].clips))) {
    const std::string path = folder + "/" + name;
    uint64_t packets = 0;
    const int fd = OpenSized(path, packets);
    if (fd < 0) return CannotRead(path);
    close(fd);
    total += packets;
    run.files.push_back({path, name});
  }
  return StoreTotal(total, run);
}

std::string SizeSingleFile(const std::string& sourcePath, ScanRun& run) {
  const size_t slash = sourcePath.rfind('/');
  const std::string name = slash == std::string::npos ? sourcePath : sourcePath.substr(slash + 1);
  uint64_t packets = 0;
  run.openFile = OpenSized(sourcePath, packets);
  if (run.openFile < 0) return CannotRead(sourcePath);
  run.files.push_back({sourcePath, name});
  return StoreTotal(packets, run);
}

}  // namespace

std::vector<std::string> ClipFileNames(const std::string& clips) {
  std::vector<std::string> names;
  size_t start = 0;
  for (;;) {
    const size_t plus = clips.find('+', start);
    const std::string part = clips.substr(start, plus == std::string::npos ? std::string::npos : plus - start);
    names.push_back(platform::FormatText("%05d.m2ts", std::atoi(part.c_str())));
    if (plus == std::string::npos) return names;
    start = plus + 1;
  }
}

std::string SizeScanFiles(const std::string& sourcePath, const SourceInfo& source, ScanRun& run) {
  return source.joinPlaylist != 0 ? SizeJoinedClips(sourcePath, source, run) : SizeSingleFile(sourcePath, run);
}

}  // namespace scanner
