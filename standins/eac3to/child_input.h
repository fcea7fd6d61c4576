#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <thread>

namespace eac3to {

// What a child process reads on its standard input, written by a thread of
// ours while the child runs (the joined clips of a playlist for ffmpeg).
class ChildInput {
 public:
  // Writes bytes to the child; throws InputClosed once it stopped reading.
  using Writer = std::function<void(const std::uint8_t* data, std::size_t size)>;
  using Feed = std::function<void(const Writer& write)>;
  struct InputClosed {};

  explicit ChildInput(Feed feed);  // throws Failure
  ~ChildInput();
  ChildInput(const ChildInput&) = delete;
  ChildInput& operator=(const ChildInput&) = delete;

  // The descriptor the child takes as its standard input.
  int ChildEnd() const { return childEnd_; }
  // After the fork: starts writing. The child sees the end of its input when
  // the feed returns.
  void Start();
  // Waits for the feed; returns what it threw (nothing when the child
  // merely stopped reading).
  std::exception_ptr Finish();

 private:
  void Write(const std::uint8_t* data, std::size_t size) const;

  Feed feed_;
  int childEnd_ = -1, ourEnd_ = -1;
  std::thread thread_;
  std::exception_ptr error_;
};

}  // namespace eac3to
