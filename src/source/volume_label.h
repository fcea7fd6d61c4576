#pragma once
// The label of the filesystem mounted at a folder: what names a disc
// whose folder is the mount point itself.

#include <string>

// The label of the filesystem mounted exactly at `folder`, read from the
// mount table (/proc/self/mountinfo) and the udev label links
// (/dev/disk/by-label); empty when `folder` is no mount point or its
// filesystem has no label.
std::string MountedVolumeLabel(const std::string& folder);

// The same from a given mount table text and label-link folder.
std::string VolumeLabelFrom(const std::string& folder, const std::string& mountInfo,
                            const std::string& byLabelDir);
