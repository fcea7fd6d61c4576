#include "event_log.h"

namespace eac3to {

EventLog::EventLog(const std::optional<std::filesystem::path>& file) {
  if (!file) return;
  file_ = std::fopen(file->c_str(), "w");
  writable_ = file_ != nullptr;
  if (!file_) Error("The log file \"" + file->string() + "\" can't be written.");
}

EventLog::~EventLog() {
  if (file_) std::fclose(file_);
}

void EventLog::Line(const std::string& text) {
  std::printf("%s\n", text.c_str());
  std::fflush(stdout);
  if (!file_) return;
  std::fprintf(file_, "%s\n", text.c_str());
  std::fflush(file_);
}

}  // namespace eac3to
