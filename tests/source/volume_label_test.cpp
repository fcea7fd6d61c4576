#include <gtest/gtest.h>

#include <filesystem>

#include "harness/temp_dir.h"
#include "source/output_naming.h"
#include "source/volume_label.h"

namespace fs = std::filesystem;

namespace {

// A mount table line: id, parent, device numbers, root, mount point,
// options, " - ", type, source, super options.
std::string MountLine(const std::string& mountPoint, const std::string& source) {
  return "36 25 11:0 / " + mountPoint + " ro,relatime shared:1 - udf " + source + " ro\n";
}

TEST(VolumeLabel, TheLabelOfTheFilesystemMountedAtTheFolder) {
  test::TempDir dir;
  fs::create_directories(dir / "media/MY DISC");
  fs::create_directories(dir / "by-label");
  test::WriteFile(dir / "sr0", "");
  fs::create_symlink(dir / "sr0", dir / "by-label/SOME_FILM\\x202010");
  const std::string mountPoint = dir / "media/MY DISC";
  std::string escaped = mountPoint;
  escaped.replace(escaped.find(' '), 1, "\\040");
  const std::string table = MountLine("/", "/dev/sda1") + MountLine(escaped, dir / "sr0");
  EXPECT_EQ(VolumeLabelFrom(mountPoint, table, dir / "by-label"), "SOME_FILM 2010");
  EXPECT_EQ(VolumeLabelFrom(dir / "media", table, dir / "by-label"), "");  // not a mount point
  EXPECT_EQ(VolumeLabelFrom(mountPoint, MountLine(escaped, dir / "sr1"), dir / "by-label"), "");  // no label
}

TEST(SourceNameOf, DiscRootFolderOrFileName) {
  EXPECT_EQ(SourceNameOf("/home/u/Movies/Some.Film.BluRay/BDMV/STREAM/00001.m2ts"), "Some.Film.BluRay");
  EXPECT_EQ(SourceNameOf("/home/u/Movies/Some.Film/bdmv/STREAM/00001.m2ts"), "Some.Film");
  EXPECT_EQ(SourceNameOf("/home/u/Movies/Some.Film.2010.mkv"), "Some.Film.2010");
  EXPECT_EQ(SourceNameOf("/home/u/my.films/Movie"), "Movie");
  EXPECT_EQ(SourceNameOf("/BDMV/STREAM/00001.m2ts"), "00001");
}

}  // namespace
