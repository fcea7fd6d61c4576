#pragma once
// The planner's promise for a disc medium: the whole AVCHD folder fits
// the medium and fills it.

#include <cstdint>
#include <string>

#include "queue/job.h"

namespace e2e {

// Prints the share of the medium that the finished job's folder takes
// ("[ disc fit ] <road>, video N kb/s: ...") and fails when it does not
// fit. Under 95 % is printed as such: the medium is not filled.
void ExpectFits(const std::string& road, const Job& job, uint64_t mediumBytes);

}  // namespace e2e
