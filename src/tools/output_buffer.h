#pragma once
// The newest output of a tool, at most `limit` bytes of it: when the tool
// prints more than its reader takes, the oldest bytes give way. Shared by
// the thread that drains the tool's pipe and the one that reads progress.

#include <cstddef>
#include <mutex>
#include <string>
#include <string_view>

namespace tools {

class OutputBuffer {
 public:
  explicit OutputBuffer(size_t limit) : limit_(limit) {}

  void Append(std::string_view bytes);
  // Everything held (the newest `limit` bytes at most), oldest first;
  // the buffer is empty afterwards.
  std::string Take();
  size_t Size() const;
  void Clear();

 private:
  const size_t limit_;
  mutable std::mutex mutex_;
  // Holds up to twice the limit between trims, so that a flood costs one
  // copy of the limit per limit of bytes, not one per append.
  std::string data_;
};

}  // namespace tools
