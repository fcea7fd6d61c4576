// A disc with a missing or damaged file: the run names the file in an
// "<ERROR>" line, exits 1 and leaves no file behind, finished or partial.
#include <gtest/gtest.h>

#include <fstream>

#include "bluray_fixture.h"
#include "eac3to_program.h"

namespace eac3to::test {
namespace {

using quandrell::test::TempFolder;
namespace fs = std::filesystem;

// A copy of the shared Blu-ray folder made of links to its files, so that
// one file can be replaced without touching the cached disc.
fs::path LinkedDisc(const TempFolder& folder) {
  const fs::path source = quandrell::test::BlurayFolder(), disc = folder / "disc";
  for (const auto& entry : fs::recursive_directory_iterator(source)) {
    const fs::path target = disc / fs::relative(entry.path(), source);
    if (entry.is_directory()) fs::create_directories(target);
    else fs::create_symlink(entry.path(), target);
  }
  return disc;
}

void Replace(const fs::path& file, const std::string& bytes) {
  fs::remove(file);
  std::ofstream(file, std::ios::binary) << bytes;
}

// The clip with 64 KiB of its middle overwritten.
void Garble(const fs::path& file) {
  std::string bytes;
  {
    std::ifstream in(fs::canonical(file), std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  bytes.replace(bytes.size() / 2, 65536, std::string(65536, 'x'));
  Replace(file, bytes);
}

struct Damage {
  const char* name;
  const char* file;  // under BDMV
  void (*spoil)(const fs::path&);
  const char* message;
};

const Damage kDamages[] = {
    {"MissingClip", "STREAM/00002.m2ts", [](const fs::path& f) { fs::remove(f); }, "\" doesn't exist."},
    {"ClipOfNoTransportStream", "STREAM/00002.m2ts",
     [](const fs::path& f) { Replace(f, std::string(100000, 'x')); }, "\" is no transport stream."},
    {"ClipDamagedInTheMiddle", "STREAM/00002.m2ts", Garble, "\" is damaged: its packets lose their sync at byte "},
    {"GarbledPlaylist", "PLAYLIST/00002.mpls",
     [](const fs::path& f) { Replace(f, "MPLS0200" + std::string(200, '\xff')); }, "\" is damaged and can't be read."},
    {"GarbledClipInfo", "CLIPINF/00002.clpi",
     [](const fs::path& f) { Replace(f, "HDMV0200" + std::string(200, '\xff')); }, "\" is damaged and can't be read."},
};

TEST(DamagedDisc, TheRunNamesTheFileFailsAndLeavesNoOutput) {
  for (const Damage& damage : kDamages) {
    TempFolder folder;
    const fs::path disc = LinkedDisc(folder), out = folder / "out";
    fs::create_directories(out);
    damage.spoil(disc / "BDMV" / damage.file);
    const auto run = RunEac3to({disc.string(), "1)", "1:", (out / "cap.txt").string(), "2:",
                                (out / "v.h264").string(), "3:", (out / "a.ac3").string()},
                               folder);
    EXPECT_EQ(run.exitCode, 1) << damage.name;
    const std::string error = "<ERROR> ";
    const auto at = run.log.find(error);
    ASSERT_NE(at, std::string::npos) << damage.name << "\n" << run.log;
    const std::string line = run.log.substr(at, run.log.find('\n', at) - at);
    EXPECT_NE(line.find((disc / "BDMV" / damage.file).string() + damage.message), std::string::npos)
        << damage.name << ": " << line;
    EXPECT_TRUE(fs::is_empty(out)) << damage.name;
  }
}

}  // namespace
}  // namespace eac3to::test
