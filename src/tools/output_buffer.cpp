#include "tools/output_buffer.h"

namespace tools {

void OutputBuffer::Append(std::string_view bytes) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (bytes.size() >= limit_) {
    data_.assign(bytes.substr(bytes.size() - limit_));
    return;
  }
  data_.append(bytes);
  if (data_.size() > 2 * limit_) data_.erase(0, data_.size() - limit_);
}

std::string OutputBuffer::Take() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (data_.size() > limit_) data_.erase(0, data_.size() - limit_);
  std::string taken;
  taken.swap(data_);
  return taken;
}

size_t OutputBuffer::Size() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return data_.size() < limit_ ? data_.size() : limit_;
}

void OutputBuffer::Clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  data_.clear();
}

}  // namespace tools
