// The replacement movie object, byte for byte, and where it is written.

#include "engine/movie_object.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "harness/temp_dir.h"

namespace {

std::string Hex(const std::vector<uint8_t>& bytes) {
  static const char* digits = "0123456789abcdef";
  std::string text;
  for (uint8_t b : bytes) text += {digits[b >> 4], digits[b & 15]};
  return text;
}

TEST(MovieObject, IsThe302BytesThatTurnSubtitleStreamOneOn) {
  const std::string expected =
      "4d4f424a30313030"  // "MOBJ0100"
      "00000000" + std::string(56, '0') + "00000102" "00000000" "0003"
      "8000" "0006"
      "51c000010000c00100000000" "000000000000000000000000" "504000010000000000000000"
      "504000010000000000000000" "42820000000000000000000a" "218100000000000100000000"
      "8000" "0009"
      "500000010000000a00000003" "5040000100000003 0000ffff"
      "484003000000000a0000ffff" "220000000000000a00000000" "500000010000000a00000004"
      "504000010000000400000000" "484003000000000a00000000" "210100000000000a00000000"
      "218100000000000100000000"
      "8000" "0005"
      "504000010000000000000000" "504000010000000200000001" "50400001000000030000ffff"
      "504000010000000400000000" "218100000000000000000000";
  std::string compact;
  for (char c : expected)
    if (c != ' ') compact += c;
  const auto bytes = SubtitlesOnMovieObject();
  EXPECT_EQ(bytes.size(), 302u);
  EXPECT_EQ(Hex(bytes), compact);
}

TEST(MovieObject, ReplacesBothCopiesAndSkipsWhatCannotBeWritten) {
  test::TempDir dir;
  std::filesystem::create_directories(dir.path() / "Movie/BDMV/BACKUP");
  test::WriteFile(dir / "Movie/BDMV/MovieObject.bdmv", std::string(290, 'x'));
  ReplaceMovieObjects(dir / "Movie");
  for (const char* copy : {"Movie/BDMV/MovieObject.bdmv", "Movie/BDMV/BACKUP/MovieObject.bdmv"})
    EXPECT_EQ(test::ReadFile(dir / copy).size(), 302u) << copy;
  ReplaceMovieObjects(dir / "Nowhere");  // no folder: nothing written, nothing thrown
  EXPECT_FALSE(std::filesystem::exists(dir / "Nowhere"));
}

}  // namespace
