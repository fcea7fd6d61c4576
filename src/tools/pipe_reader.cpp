#include "tools/pipe_reader.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <vector>

namespace tools {

namespace {

constexpr size_t kBlock = 64 * 1024;
constexpr int kIdleMs = 50;  // how long an ended tool's pipe may stay quiet
// How long an ended tool's pipe is read at most: a child it left behind
// may keep writing.
constexpr auto kFinishLimit = std::chrono::milliseconds(500);

}  // namespace

void PipeReader::Start(int fd, Sink sink) {
  Finish();
  finishing_ = false;
  thread_ = std::thread(&PipeReader::Loop, this, fd, std::move(sink));
}

void PipeReader::Finish() {
  finishing_ = true;
  if (thread_.joinable()) thread_.join();
}

void PipeReader::Loop(int fd, Sink sink) {
  std::vector<char> block(kBlock);
  pollfd watch{fd, POLLIN, 0};
  auto finishBy = std::chrono::steady_clock::time_point::max();
  for (;;) {
    if (finishing_ && finishBy == std::chrono::steady_clock::time_point::max())
      finishBy = std::chrono::steady_clock::now() + kFinishLimit;
    if (std::chrono::steady_clock::now() > finishBy) break;
    const int ready = poll(&watch, 1, kIdleMs);
    if (ready < 0 && errno == EINTR) continue;
    if (ready < 0) break;
    if (ready == 0) {
      if (finishing_) break;
      continue;
    }
    const ssize_t n = read(fd, block.data(), block.size());
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n <= 0) break;
    sink(std::string_view(block.data(), static_cast<size_t>(n)));
  }
  close(fd);
}

}  // namespace tools
