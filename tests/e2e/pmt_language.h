#pragma once
// FFmpeg writes no language into a transport stream's program map for a
// PGS stream, where discs carry one; libmediainfo reads it from there.

#include <cstdint>
#include <filesystem>
#include <string>

namespace e2e {

// Adds an ISO 639 language descriptor for the stream `pid` to every program
// map of a BDAV stream (192-byte packets), in place. Throws
// std::runtime_error when there is no program map naming the stream or no
// room in its packet.
void AddStreamLanguage(const std::filesystem::path& file, uint16_t pid, const std::string& language);

}  // namespace e2e
