#pragma once
// A failed mux leaves nothing of its own behind: the output folder when this
// run created it, else the partial stream it wrote. What was there before
// is never touched.

#include <filesystem>

namespace tsmuxer {

class OutputGuard {
 public:
  explicit OutputGuard(std::filesystem::path folder);
  ~OutputGuard();
  OutputGuard(const OutputGuard&) = delete;
  OutputGuard& operator=(const OutputGuard&) = delete;

  void keep() { keep_ = true; }

 private:
  std::filesystem::path folder_;
  bool existed_;
  bool keep_ = false;
};

}  // namespace tsmuxer
