#pragma once
// A tool's output cut into lines: "\r" and "\n" each end one (progress
// lines are rewritten in place with "\r"). A line longer than kMaxLine is
// cut there and the rest of it dropped, so output without line ends never
// grows the memory held.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tools {

class LineSplitter {
 public:
  static constexpr size_t kMaxLine = 64 * 1024;

  explicit LineSplitter(std::function<void(std::string_view)> onLine) : onLine_(std::move(onLine)) {}

  void Feed(std::string_view bytes);
  // Hands on the unfinished last line, if any (the tool has ended).
  void Flush();

 private:
  void Add(std::string_view part);

  std::function<void(std::string_view)> onLine_;
  std::string line_;
  bool pending_ = false;  // a line has begun since the last end
};

}  // namespace tools
