#pragma once

#include <filesystem>

#include "bdnav/nav_types.h"

namespace bdnav {

// Writes the navigation tree of `nav` under `root`:
//   BDMV/index.bdmv, BDMV/MovieObject.bdmv, BDMV/PLAYLIST/<name>.mpls,
//   BDMV/CLIPINF/<name>.clpi, the same under BDMV/BACKUP, and the folders
//   BDMV/STREAM (for the caller's <name>.m2ts), BDMV/AUXDATA, CERTIFICATE/BACKUP.
// Title i of the index plays playlist i. Throws std::invalid_argument for a
// name that is not five digits or a play item naming no clip, and
// std::runtime_error when a file cannot be written.
void writeNavigation(const std::filesystem::path& root, const Navigation& nav);

}  // namespace bdnav
