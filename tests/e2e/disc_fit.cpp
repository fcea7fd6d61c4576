#include "disc_fit.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "readers.h"

namespace e2e {

double FitRatio(const std::filesystem::path& folder, uint64_t mediumBytes) {
  return static_cast<double>(FolderBytes(folder)) / static_cast<double>(mediumBytes);
}

void ExpectFits(const std::string& job, const std::filesystem::path& folder, uint64_t mediumBytes) {
  const uintmax_t bytes = FolderBytes(folder);
  const double ratio = FitRatio(folder, mediumBytes);
  const char* verdict = ratio > 1.0 ? "does NOT fit" : ratio < 0.95 ? "fits, under 95 %" : "fits";
  std::printf("[ disc fit ] %s: %ju of %ju bytes = %.2f %% (%s)\n", job.c_str(), bytes,
              static_cast<uintmax_t>(mediumBytes), ratio * 100, verdict);
  ::testing::Test::RecordProperty("disc_fit_percent", std::to_string(ratio * 100));
  EXPECT_LE(bytes, mediumBytes) << job << ": the AVCHD folder is larger than the medium";
}

}  // namespace e2e
