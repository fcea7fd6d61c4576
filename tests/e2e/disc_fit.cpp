#include "disc_fit.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "readers.h"

namespace e2e {

void ExpectFits(const std::string& road, const Job& job, uint64_t mediumBytes) {
  const uintmax_t bytes = FolderBytes(job.outputPath);
  const double ratio = static_cast<double>(bytes) / static_cast<double>(mediumBytes);
  const char* verdict = ratio > 1.0 ? "does NOT fit" : ratio < 0.95 ? "fits, under 95 %" : "fits";
  std::printf("[ disc fit ] %s, video %d kb/s: %ju of %ju bytes = %.2f %% (%s)\n", road.c_str(), job.videoBitrate,
              bytes, static_cast<uintmax_t>(mediumBytes), ratio * 100, verdict);
  ::testing::Test::RecordProperty("disc_fit_percent", std::to_string(ratio * 100));
  EXPECT_LE(bytes, mediumBytes) << road << ": the AVCHD folder is larger than the medium";
}

}  // namespace e2e
