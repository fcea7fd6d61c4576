#include "output_guard.h"

namespace tsmuxer {

namespace fs = std::filesystem;

OutputGuard::OutputGuard(fs::path folder) : folder_(std::move(folder)), existed_(fs::exists(folder_)) {}

OutputGuard::~OutputGuard() {
  if (keep_) return;
  std::error_code ec;
  if (existed_) fs::remove(folder_ / "BDMV" / "STREAM" / "00000.m2ts", ec);
  else fs::remove_all(folder_, ec);
}

}  // namespace tsmuxer
