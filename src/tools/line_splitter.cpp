#include "tools/line_splitter.h"

#include <cstring>

namespace tools {

namespace {

// The first "\r" or "\n", found with memchr: a flood without line ends
// is scanned at memory speed.
size_t LineEnd(std::string_view bytes) {
  const void* cr = std::memchr(bytes.data(), '\r', bytes.size());
  const void* lf = std::memchr(bytes.data(), '\n', bytes.size());
  const char* end = static_cast<const char*>(!cr ? lf : !lf ? cr : (cr < lf ? cr : lf));
  return end ? static_cast<size_t>(end - bytes.data()) : std::string_view::npos;
}

}  // namespace

void LineSplitter::Add(std::string_view part) {
  pending_ = true;
  if (line_.size() < kMaxLine) line_.append(part.substr(0, kMaxLine - line_.size()));
}

void LineSplitter::Feed(std::string_view bytes) {
  for (size_t end; (end = LineEnd(bytes)) != std::string_view::npos;) {
    Add(bytes.substr(0, end));
    onLine_(line_);
    line_.clear();
    pending_ = false;
    bytes.remove_prefix(end + 1);
  }
  if (!bytes.empty()) Add(bytes);
}

void LineSplitter::Flush() {
  if (pending_) onLine_(line_);
  line_.clear();
  pending_ = false;
}

}  // namespace tools
