#include "scanner/scan_worker.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

#include "scanner/scan_results.h"

namespace scanner {

namespace {

enum class FileOutcome { kRead, kSyncError, kUnreadable };

struct FreeBuffer {
  void operator()(uint8_t* buffer) const { std::free(buffer); }
};
using Buffer = std::unique_ptr<uint8_t, FreeBuffer>;

// Fills the buffer unless the file ends first: a short read in the middle
// of a file must not shift the packets of the next chunk. -1 on error.
ssize_t ReadFull(int fd, uint8_t* buffer, size_t size) {
  size_t filled = 0;
  while (filled < size) {
    const ssize_t got = read(fd, buffer + filled, size - filled);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    filled += static_cast<size_t>(got);
  }
  return static_cast<ssize_t>(filled);
}

FileOutcome ReadScanFile(ScanRun& run, int fd, uint8_t* buffer) {
  posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
  for (;;) {
    const ssize_t got = ReadFull(fd, buffer, kScanChunkBytes);
    if (got < 0) return FileOutcome::kUnreadable;
    if (got == 0 || run.scanState.load() != kScanRunning) return FileOutcome::kRead;
    if (CountScanPackets(run.counters, run.pids, buffer, static_cast<size_t>(got)) != 0)
      return FileOutcome::kSyncError;
  }
}

// The single file was opened while sizing; clips are opened here.
int OpenScanFile(ScanRun& run, size_t index) {
  if (index == 0 && run.openFile >= 0) {
    const int fd = run.openFile;
    run.openFile = -1;
    return fd;
  }
  return open(run.files[index].path.c_str(), O_RDONLY | O_CLOEXEC);
}

}  // namespace

void ScanBitratesThread(ScanRun& run) {
  Buffer buffer(static_cast<uint8_t*>(std::aligned_alloc(4096, kScanChunkBytes)));
  bool syncError = false;
  for (size_t i = 0; i < run.files.size() && run.scanState.load() == kScanRunning; ++i) {
    run.currentFile.store(static_cast<int>(i));
    const int fd = OpenScanFile(run, i);
    const FileOutcome outcome = fd < 0 || !buffer ? FileOutcome::kUnreadable : ReadScanFile(run, fd, buffer.get());
    if (fd >= 0) close(fd);
    if (outcome == FileOutcome::kUnreadable) {
      run.scanState.store(kScanUnreadable);
      return;
    }
    syncError = syncError || outcome == FileOutcome::kSyncError;
  }
  run.scanState.store(syncError ? kScanSyncError : kScanStopped);
  ComputeScanBitrates(run);
}

}  // namespace scanner
