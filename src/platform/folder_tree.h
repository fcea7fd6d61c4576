#pragma once
// Deleting a whole folder tree without asking, behind a guard: it never
// deletes "/", the home folder or one of its ancestors, a relative path,
// or a path shorter than 4 characters. The caller must own what it asks
// to delete.

#include <string>

namespace platform {

// Why a path may not be deleted, or empty when it may.
std::string FolderTreeRefusal(const std::string& path);

// Deletes the tree; false when refused or when something could not be
// deleted.
bool DeleteFolderTree(const std::string& path);

}  // namespace platform
