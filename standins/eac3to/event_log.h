#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

namespace eac3to {

// What eac3to tells the user: every line goes to standard output and, when
// "-log=" named a file, to that file. Lines are written at once, so the log
// holds everything up to the moment a run was stopped.
class EventLog {
 public:
  explicit EventLog(const std::optional<std::filesystem::path>& file);
  ~EventLog();
  EventLog(const EventLog&) = delete;
  EventLog& operator=(const EventLog&) = delete;

  // False when "-log=" named a file that can't be written.
  bool Writable() const { return writable_; }

  void Line(const std::string& text);
  void Error(const std::string& text) { Line("<ERROR> " + text); }
  void Warning(const std::string& text) { Line("<WARNING> " + text); }

 private:
  std::FILE* file_ = nullptr;
  bool writable_ = true;
};

}  // namespace eac3to
