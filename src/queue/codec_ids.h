#pragma once
// Matroska codec identifiers of the tracks a job keeps.

#include <string>
#include <string_view>

// The track's own Matroska identifier, or else the one its format stands
// for ("AC-3" gives "A_AC3"); empty for a format the table does not know.
std::string TrackCodecId(std::string_view codecId, std::string_view format);
