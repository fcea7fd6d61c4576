#pragma once
// The planner's promise for a disc medium: the whole AVCHD folder fits
// the medium and fills it.

#include <cstdint>
#include <filesystem>
#include <string>

namespace e2e {

// The folder's bytes as a share of the medium (1.0 = exactly full).
double FitRatio(const std::filesystem::path& folder, uint64_t mediumBytes);

// Prints the ratio of the job's folder ("[ disc fit ] <job>: ...") and
// fails when the folder does not fit the medium.
void ExpectFits(const std::string& job, const std::filesystem::path& folder, uint64_t mediumBytes);

}  // namespace e2e
