#pragma once
// Where the muxer's lines go: standard output for progress and notes,
// standard error for failures. Each line is flushed at once, since the
// reader is usually a pipe.

#include <string>

namespace tsmuxer {

class Console {
 public:
  virtual ~Console() = default;
  virtual void out(const std::string& line) = 0;
  virtual void err(const std::string& line) = 0;
};

class StdConsole : public Console {
 public:
  void out(const std::string& line) override;
  void err(const std::string& line) override;
};

}  // namespace tsmuxer
