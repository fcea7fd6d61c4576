#pragma once
// Drains one pipe of a tool on a thread of its own, as fast as the tool
// fills it, and hands each block read to a sink: a talkative tool never
// waits for whoever follows its progress.

#include <atomic>
#include <functional>
#include <string_view>
#include <thread>

namespace tools {

class PipeReader {
 public:
  using Sink = std::function<void(std::string_view)>;

  PipeReader() = default;
  ~PipeReader() { Finish(); }
  PipeReader(const PipeReader&) = delete;
  PipeReader& operator=(const PipeReader&) = delete;

  // Takes the read end `fd` (closed when reading ends).
  void Start(int fd, Sink sink);
  // Call once the tool has ended: reads what the pipe still holds and
  // returns when the pipe is at its end, has stayed empty for a moment, or
  // after half a second at most (a tool's own child may still hold it
  // open, or keep writing).
  void Finish();

 private:
  void Loop(int fd, Sink sink);

  std::thread thread_;
  std::atomic<bool> finishing_{false};
};

}  // namespace tools
