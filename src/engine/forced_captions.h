#pragma once
// Keeping only the forced captions of a PGS subtitle stream (".sup"),
// done here without a tool. A PGS stream is a run of segments, each a
// 13-byte header ("PG", two time stamps, type, big-endian size) and its
// payload. Every epoch start (a presentation composition whose state is
// 0x80) decides whether its epoch is kept: kept when its first composition
// object is marked forced. All segments up to the next epoch start follow
// that decision and are copied byte for byte.

#include <string>

// The exit code the error log shows for a step done without a tool.
inline constexpr int kInternalStepFailed = 1;

// Writes the kept segments of `input` to `output` (replacing it). The
// output ends at the last whole kept segment: a truncated segment or a
// header without "PG" ends the input quietly. Returns empty on success,
// else why it failed, naming the file; a failed run leaves no output.
std::string ExtractForcedCaptions(const std::string& input, const std::string& output);
