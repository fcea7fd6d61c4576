// The built tsMuxeR stand-in run as the program runs it, on media made with
// ffmpeg, its output read back by libbluray and ffmpeg.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <set>
#include <sstream>

#include "bluray_probe.h"
#include "temp_folder.h"
#include "sup_bytes.h"
#include "test_media.h"

namespace fs = std::filesystem;

namespace {

constexpr double kFrame90k = 90000 * 1001 / 24000.0;

struct ProgramRun {
  int exitCode = 0;
  std::string out;
  std::string err;
};

std::string readText(const fs::path& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

// Every path under `root`, as "./a/b" lines sorted like `find . | sort`.
std::string treeOf(const fs::path& root) {
  std::set<std::string> paths = {"."};
  for (const auto& entry : fs::recursive_directory_iterator(root))
    paths.insert("./" + fs::relative(entry.path(), root).string());
  std::string text;
  for (const std::string& p : paths) text += p + "\n";
  return text;
}

// The value of a "NN.N% complete" line.
std::optional<double> progressValue(const std::string& line) {
  const size_t dot = line.find('.');
  if (dot == std::string::npos || dot == 0 || dot > 3 || line.size() < dot + 2 ||
      line.substr(dot + 2) != "% complete" || !std::isdigit(static_cast<unsigned char>(line[dot + 1])))
    return std::nullopt;
  for (size_t i = 0; i < dot; ++i)
    if (!std::isdigit(static_cast<unsigned char>(line[i]))) return std::nullopt;
  return std::stod(line);
}

class TsMuxerProgram : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    scratch_ = std::make_unique<quandrell::test::TempFolder>();
    dir_ = scratch_->path();
    TestClip clip;
    clip.seconds = 3;
    clip.size = "1920x1080";
    clip.gop = 24;
    ASSERT_TRUE(makeM2ts(dir_ / "short.m2ts", clip));
  }
  static void TearDownTestSuite() { scratch_.reset(); }

  // Runs in the scratch folder, with it as TMPDIR too.
  ProgramRun run(const std::string& meta, const std::string& output) {
    std::ofstream(dir_ / "temp.meta", std::ios::binary) << meta;
    const std::string command = "(cd '" + dir_.string() + "' && TMPDIR='" + dir_.string() + "' '" TSMUXER_PROGRAM
                                "' temp.meta '" + output + "' >stdout.txt 2>stderr.txt)";
    ProgramRun r;
    r.exitCode = runCommand(command);
    r.out = readText(dir_ / "stdout.txt");
    r.err = readText(dir_ / "stderr.txt");
    return r;
  }

  static std::unique_ptr<quandrell::test::TempFolder> scratch_;
  static fs::path dir_;
};
std::unique_ptr<quandrell::test::TempFolder> TsMuxerProgram::scratch_;
fs::path TsMuxerProgram::dir_;

const char* kReferenceMeta =
    "MUXOPT --no-pcr-on-video-pid --new-audio-pes --avchd --vbr "
    "--custom-chapters=00:00:00.000;00:00:01.000;00:00:02.000 --vbv-len=500\r\n"
    "V_MPEG4/ISO/AVC, \"short.m2ts\", track=4113, fps=23.976\r\n"
    "A_AC3, \"short.m2ts\", track=4352, lang=eng";

TEST_F(TsMuxerProgram, ReferenceControlFileGivesTheAvchdStructureLibblurayReads) {
  const ProgramRun r = run(kReferenceMeta, "out");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const fs::path out = dir_ / "out";
  EXPECT_EQ(treeOf(out), readText(TSMUXER_TEST_DATA "/reference-tree.txt"));

  const std::vector<ProbedTitle> titles = probeTitles(out);
  ASSERT_EQ(titles.size(), 1u);
  const ProbedTitle& t = titles[0];
  EXPECT_NEAR(double(t.duration), 72 * kFrame90k, kFrame90k);
  EXPECT_EQ(t.chapterStarts, (std::vector<uint64_t>{0, 90000, 180000}));
  ASSERT_EQ(t.video.size(), 1u);
  EXPECT_EQ(t.video[0].pid, 0x1011);
  EXPECT_EQ(t.video[0].coding, 0x1b);
  ASSERT_EQ(t.audio.size(), 1u);
  EXPECT_EQ(t.audio[0].pid, 0x1100);
  EXPECT_EQ(t.audio[0].coding, 0x81);
  EXPECT_EQ(t.audio[0].language, "eng");

  EXPECT_EQ(playFromFirstPlay(out).playlists, std::vector<uint32_t>{0});
  std::string listing;
  runCommand("bd_list_titles -a '" + out.string() + "'", &listing);
  EXPECT_EQ(listing, readText(TSMUXER_TEST_DATA "/reference-bd_list_titles.txt"));

  std::string decodeErrors;
  EXPECT_EQ(runCommand("ffmpeg -nostdin -v error -i '" + (out / "BDMV/STREAM/00000.m2ts").string() + "' -f null -",
                       &decodeErrors),
            0);
  EXPECT_EQ(decodeErrors, "");
  EXPECT_EQ(fs::file_size(out / "BDMV/STREAM/00000.m2ts") % 192, 0u);
}

// The program reads a percentage at the start of a line; other lines must
// not start with a digit, and progress only rises to a final 100.0%.
TEST_F(TsMuxerProgram, StandardOutputCarriesRisingProgressLines) {
  const ProgramRun r = run(kReferenceMeta, "progress");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  std::vector<double> values;
  for (const std::string& line : lines(r.out)) {
    if (const auto value = progressValue(line)) values.push_back(*value);
    else EXPECT_FALSE(!line.empty() && std::isdigit(static_cast<unsigned char>(line[0]))) << line;
  }
  ASSERT_GE(values.size(), 2u);
  EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
  EXPECT_EQ(values.back(), 100.0);
  EXPECT_EQ(lines(r.out).back().rfind("Muxing time: ", 0), 0u);
  EXPECT_EQ(r.out.find('\r'), std::string::npos);
}

// A caption one second into the subtitle file shows one second into the
// video (within a frame: the file's zero is the start of the source, whose
// audio may lead its video by a few milliseconds), with the subtitle stream
// listed under its PID and language.
TEST_F(TsMuxerProgram, SubtitleFileIsMuxedInStepWithTheVideo) {
  SupBytes sup;
  sup.caption(90000, 180000, 100, 900, 300, 50, true);
  writeFile((dir_ / "subs.sup").string(), sup.data);
  const ProgramRun r = run(std::string(kReferenceMeta) +
                               "\r\nS_HDMV/PGS, \"subs.sup\",bottom-offset=24,font-border=2,text-align=center,"
                               "video-width=1920,video-height=1080,fps=23.976, lang=fre",
                           "subs-out");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const std::vector<ProbedTitle> titles = probeTitles(dir_ / "subs-out");
  ASSERT_EQ(titles.size(), 1u);
  ASSERT_EQ(titles[0].subtitles.size(), 1u);
  EXPECT_EQ(titles[0].subtitles[0].pid, 0x1200);
  EXPECT_EQ(titles[0].subtitles[0].coding, 0x90);
  EXPECT_EQ(titles[0].subtitles[0].language, "fre");

  std::string starts;
  runCommand("ffprobe -v error -show_entries packet=stream_index,pts -of csv=p=0 '" +
                 (dir_ / "subs-out/BDMV/STREAM/00000.m2ts").string() + "' | grep , | sort -t, -k1,1 -s | awk -F, '!seen[$1]++'",
             &starts);
  const std::vector<std::string> first = lines(starts);
  ASSERT_EQ(first.size(), 3u) << starts;
  const long video = std::stol(first[0].substr(2)), subtitle = std::stol(first[2].substr(2));
  EXPECT_NEAR(double(subtitle - video), 90000, kFrame90k) << starts;
}

// The movie objects that show subtitles from the start, written over the
// muxer's own: three objects (title 1, top menu, first play) whose first
// command switches presentation graphics stream 1 on.
std::vector<uint8_t> subtitlesOnMovieObjects() {
  std::vector<uint8_t> b(40, 0);
  std::copy_n("MOBJ0100", 8, b.begin());
  const std::vector<std::vector<uint32_t>> objects = {
      {0x51c00001, 0x0000c001, 0, 0, 0, 0, 0x50400001, 0, 0, 0x50400001, 0, 0, 0x42820000, 0, 0xa,
       0x21810000, 1, 0},
      {0x50000001, 0xa, 3, 0x50400001, 3, 0xffff, 0x48400300, 0xa, 0xffff, 0x22000000, 0xa, 0, 0x50000001, 0xa, 4,
       0x50400001, 4, 0, 0x48400300, 0xa, 0, 0x21010000, 0xa, 0, 0x21810000, 1, 0},
      {0x50400001, 0, 0, 0x50400001, 2, 1, 0x50400001, 3, 0xffff, 0x50400001, 4, 0, 0x21810000, 0, 0}};
  auto put = [&](uint32_t v, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
  };
  put(258, 4);
  put(0, 4);
  put(3, 2);
  for (const auto& words : objects) {
    put(0x8000, 2);
    put(static_cast<uint32_t>(words.size() / 3), 2);
    for (uint32_t w : words) put(w, 4);
  }
  return b;
}

TEST_F(TsMuxerProgram, SubtitlesOnMovieObjectsFitTheMuxersIndex) {
  SupBytes sup;
  sup.caption(45000, 90000, 100, 900, 300, 50, true);
  writeFile((dir_ / "forced.sup").string(), sup.data);
  const ProgramRun r = run(std::string(kReferenceMeta) + "\r\nS_HDMV/PGS, \"forced.sup\", lang=eng", "forced-out");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const std::vector<uint8_t> objects = subtitlesOnMovieObjects();
  ASSERT_EQ(objects.size(), 302u);
  writeFile((dir_ / "forced-out/BDMV/MovieObject.bdmv").string(), objects);
  const MenuPlayback playback = playFromFirstPlay(dir_ / "forced-out");
  EXPECT_EQ(playback.titles, (std::vector<uint32_t>{0xffff, 0, 1}));
  EXPECT_EQ(playback.playlists, std::vector<uint32_t>{0});
  EXPECT_TRUE(playback.subtitlesShown);
}

TEST_F(TsMuxerProgram, TextSubtitlesAreDrawnIntoAPgsStream) {
  std::ofstream(dir_ / "subs.srt") << "1\n00:00:00,500 --> 00:00:02,000\nHello\n";
  const ProgramRun r = run(std::string(kReferenceMeta) +
                               "\r\nS_TEXT/UTF8, \"subs.srt\",font-name=\"Arial\",font-size=65,font-color=0x00ffffff,"
                               "bottom-offset=24,font-border=2,text-align=center,video-width=1920,video-height=1080,"
                               "fps=23.976, lang=ita",
                           "text-out");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const std::vector<ProbedTitle> titles = probeTitles(dir_ / "text-out");
  ASSERT_EQ(titles.size(), 1u);
  ASSERT_EQ(titles[0].subtitles.size(), 1u);
  EXPECT_EQ(titles[0].subtitles[0].coding, 0x90);
  EXPECT_EQ(titles[0].subtitles[0].language, "ita");
}

TEST_F(TsMuxerProgram, TextSubtitlesThatDrawNothingFailWithoutLeavingFiles) {
  std::ofstream(dir_ / "good.srt") << "1\n00:00:00,500 --> 00:00:02,000\nHello\n";
  std::ofstream(dir_ / "blank.srt") << "1\nno times here\n";
  const std::string style = ",font-name=\"Arial\",font-size=65,font-color=0x00ffffff,bottom-offset=24,font-border=2,"
                            "text-align=center,video-width=1920,video-height=1080,fps=23.976, lang=eng";
  const ProgramRun r = run(std::string(kReferenceMeta) + "\r\nS_TEXT/UTF8, \"good.srt\"" + style +
                               "\r\nS_TEXT/UTF8, \"blank.srt\"" + style,
                           "blank-out");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err, "No captions found in blank.srt\n");
  EXPECT_FALSE(fs::exists(dir_ / "blank-out"));
  for (const auto& entry : fs::directory_iterator(dir_))
    EXPECT_NE(entry.path().filename().string().rfind("tsmuxer-text-", 0), 0u) << entry.path();
}

TEST_F(TsMuxerProgram, MissingInputFailsLikeTsMuxerWithoutCreatingTheOutputFolder) {
  const ProgramRun r = run(
      "MUXOPT --no-pcr-on-video-pid --new-audio-pes --avchd --vbr --auto-chapters=5 --vbv-len=500\r\n"
      "V_MPEG4/ISO/AVC, \"missing.264\", fps=23.976",
      "missing-out");
  EXPECT_EQ(r.exitCode, 254);
  EXPECT_EQ(r.err, "Can't open file: missing.264\n");
  EXPECT_FALSE(fs::exists(dir_ / "missing-out"));
}

TEST_F(TsMuxerProgram, StreamsWithoutFramesFailWithAMessage) {
  std::ofstream(dir_ / "empty.sup", std::ios::binary);
  const ProgramRun r = run(std::string(kReferenceMeta) +
                        "\r\nS_HDMV/PGS, \"empty.sup\",bottom-offset=24,font-border=2,text-align=center,"
                        "video-width=1920,video-height=1080,fps=23.976, lang=eng",
                    "empty-out");
  EXPECT_NE(r.exitCode, 0);
  EXPECT_NE(r.err.find("empty.sup"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(dir_ / "empty-out"));
}

TEST_F(TsMuxerProgram, BadControlFilesAndCommandLinesFail) {
  ProgramRun r = run("MUXOPT --avchd\r\nV_MPEGH/ISO/HEVC, \"short.m2ts\"", "bad-codec");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err, "Unsupported codec \"V_MPEGH/ISO/HEVC\" in line 2\n");
  r = run("MUXOPT --avchd\r\nA_AC3, \"short.m2ts\", track=4400", "bad-track");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err, "Track 4400 not found in short.m2ts\n");
  EXPECT_FALSE(fs::exists(dir_ / "bad-track"));
  EXPECT_NE(runCommand("'" TSMUXER_PROGRAM "' only-one-argument"), 0);
}

}  // namespace
