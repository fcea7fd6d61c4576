#pragma once

#include <filesystem>

namespace quandrell::test {

// A PGS subtitle file (.sup) built from bytes: a caption of 8x2 pixels shown
// at 1 s and cleared at 3 s, for 1920x1080 video. Each of its two display sets
// is a run of segments (composition, window, palette, object, end) that share
// one timestamp.
std::filesystem::path PgsCaptions();

inline constexpr double kPgsShowSeconds = 1.0;
inline constexpr double kPgsClearSeconds = 3.0;
inline constexpr int kPgsSegments = 8;

}  // namespace quandrell::test
