#pragma once

#include <filesystem>

namespace eac3to {

// libbluray passes over a playlist or clip info file it can't parse, so a
// damaged disc would silently lose a playlist or renumber the rest. Every
// BDMV/PLAYLIST/*.mpls and BDMV/CLIPINF/*.clpi of the disc root must parse;
// throws Failure naming the first that does not.
void CheckNavigationFiles(const std::filesystem::path& root);

}  // namespace eac3to
