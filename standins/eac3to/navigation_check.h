#pragma once

#include <filesystem>

extern "C" {
#include <libbluray/bluray.h>
}

namespace eac3to {

// libbluray passes over a playlist or clip info file it can't parse, so a
// damaged disc would silently lose a playlist or renumber the rest. Every
// BDMV/CLIPINF/*.clpi of the disc root must parse and every
// BDMV/PLAYLIST/*.mpls must open as a title (its clips' info with it);
// throws Failure naming the first that does not.
void CheckNavigationFiles(BLURAY* disc, const std::filesystem::path& root);

}  // namespace eac3to
