// The progress parsers fed with what the real tools print.

#include "engine/progress_parsers.h"

#include <gtest/gtest.h>

#include <sstream>

#include "harness/temp_dir.h"
#include "tools/child_process.h"

namespace {

std::string Data(const std::string& name) { return test::ReadFile(std::string(QUANDRELL_ENGINE_TEST_DATA) + "/" + name); }

// The lines of a tool's output, ended by "\r" or "\n".
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (char c : text) {
    if (c == '\r' || c == '\n') {
      if (!line.empty()) lines.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  return lines;
}

// A chunk as the status timer reads it: the bytes plus one that gives way.
std::string Chunk(const std::string& bytes) { return ChunkText(bytes + "\n"); }

TEST(X264Title, EveryStatusLineOfARealSecondPassShowsFramesDoneOutOfTheJobsFrames) {
  std::vector<int> values;
  for (const auto& line : Lines(Data("x264_pass2_stderr.txt"))) {
    if (line[0] != '[' || line.find("frames") == std::string::npos) continue;
    const ProgressReading reading = ReadX264Title("x264 " + line, 480);
    ASSERT_TRUE(reading.show);
    EXPECT_EQ(reading.status, "x264 " + line);
    values.push_back(reading.value);
  }
  EXPECT_EQ(values, (std::vector<int>{2, 129, 287, 433, 572, 710, 852, 993}));
}

TEST(X264Title, TheRunnersTitleOfARealEncodeEndsOnItsLastStatusLine) {
  test::TempDir dir;
  test::WriteFile(dir / "stderr.txt", Data("x264_pass2_stderr.txt"));
  tools::ChildProcess x264;
  tools::ProcessOptions options;
  options.argv = {"/bin/sh", "-c", "cat '" + (dir / "stderr.txt") + "' >&2"};
  options.titleFromStderr = true;
  std::string error;
  ASSERT_TRUE(x264.Start(options, error)) << error;
  x264.Wait();
  const ProgressReading reading = ReadX264Title(x264.ConsoleTitle(), 480);
  EXPECT_EQ(reading.status, "x264 [99.4%] 477/480 frames, 266.93 fps, 556.26 kb/s, eta 0:00:00  ");
  EXPECT_EQ(reading.value, 993);
}

TEST(X264Title, IndexerLinesShowWithTheirPercentage) {
  const auto lines = Lines(Data("x264_index_stderr.txt"));
  ASSERT_EQ(lines[0], "[info]: indexing input file [19.8%] ");
  // The indexer's own line names no progress: shown, with the bar at 0.
  ASSERT_EQ(lines[2].rfind("ffms [info]: 320x180p", 0), 0u);
  const ProgressReading ffms = ReadX264Title(lines[2], 96);
  EXPECT_TRUE(ffms.show);
  EXPECT_EQ(ffms.value, 0);
  EXPECT_EQ(ReadX264Title("lavf [info]: indexing input file [45.5%]", 96).value, 455);
  EXPECT_EQ(ReadX264Title("ffms [info]: [7.5]", 96).value, 75);
}

TEST(X264Title, TitlesWithoutProgressAndJobsWithoutFrames) {
  EXPECT_EQ(ReadX264Title("x264 [50.0%] 500/1000 frames", 1000).value, 500);
  const ProgressReading bare = ReadX264Title("x264 starting", 1000);  // no "]", no blank after the "4"
  EXPECT_TRUE(bare.show);
  EXPECT_EQ(bare.value, 0);
  EXPECT_EQ(ReadX264Title("xvid", 1000).value, 0);
  EXPECT_EQ(ReadX264Title("x264 [50.0%] 500/1000 frames", 0).value, 0);
  EXPECT_FALSE(ReadX264Title("", 1000).show);
  EXPECT_FALSE(ReadX264Title("C:\\Windows\\system32\\cmd.exe", 1000).show);
}

TEST(MkvmergeChunk, ARealRunsFirstProgressInTheChunkIsShown) {
  const ProgressReading reading = ReadMkvmergeChunk(ChunkText(Data("mkvmerge_stdout.txt")));
  EXPECT_TRUE(reading.show);
  EXPECT_EQ(reading.status, "Progress: 75%");
  EXPECT_EQ(reading.value, 750);
  EXPECT_EQ(ReadMkvmergeChunk(Chunk("Progress: 100%\r")).value, 1000);
  EXPECT_FALSE(ReadMkvmergeChunk(Chunk("Progress: 0%\r")).show);
  EXPECT_FALSE(ReadMkvmergeChunk(Chunk("Progress: 42")).show);  // no "%" yet
}

TEST(TsMuxerChunk, TheLineAfterTheFirstLineEndIsRead) {
  const std::string out = Data("tsmuxer_stdout.txt");
  const std::string fromDecoding = out.substr(out.find("Decoding H264"));
  const ProgressReading reading = ReadTsMuxerChunk(Chunk(fromDecoding.substr(0, fromDecoding.find("Decoding AC3"))));
  EXPECT_TRUE(reading.show);
  EXPECT_EQ(reading.status, "3.6% complete");
  EXPECT_EQ(reading.value, 36);
  const std::string end = out.substr(out.find("Processed 73"));
  EXPECT_EQ(ReadTsMuxerChunk(Chunk(end)).value, 1000);
}

TEST(TsMuxerChunk, RepeatedLinesOnATerminalBackUpALineFirst) {
  const ProgressReading reading = ReadTsMuxerChunk(Chunk("\x1bM40.0% complete\n\x1bM45.2% complete\n"));
  EXPECT_EQ(reading.status, "45.2% complete");
  EXPECT_EQ(reading.value, 452);
  EXPECT_EQ(ReadTsMuxerChunk(Chunk("x\r\n12.5 tat")).value, 125);
}

TEST(TsMuxerChunk, ChunksWithoutALineEndOrANumberShowNothing) {
  EXPECT_FALSE(ReadTsMuxerChunk(Chunk("12.5% complete")).show);
  EXPECT_FALSE(ReadTsMuxerChunk(Chunk("tsMuxeR version 2.6.16-dev.\nDecoding H264 stream")).show);
  EXPECT_FALSE(ReadTsMuxerChunk(ChunkText("\n")).show);  // one byte gives no text at all
}

TEST(Eac3toChunk, ProcessPercentagesAndTheSecondPass) {
  const std::string out = Data("eac3to_stdout.txt");
  const size_t process = out.find("process: 37%");
  const ProgressReading first = ReadEac3toChunk(Chunk(out.substr(process, out.find("Starting") - process)));
  EXPECT_EQ(first.status, "Process: 37%");
  EXPECT_EQ(first.value, 370);
  EXPECT_FALSE(first.secondPass);
  const ProgressReading second = ReadEac3toChunk(Chunk(out.substr(out.find("Starting"))));
  EXPECT_TRUE(second.secondPass);
  EXPECT_EQ(second.status, "Process: 84%");
  EXPECT_EQ(second.value, 840);
  // The analysis before is not the run's progress.
  EXPECT_FALSE(ReadEac3toChunk(Chunk("analyze: 5%\r\n")).show);
  EXPECT_FALSE(ReadEac3toChunk(Chunk("process: 0%\r\n")).show);
}

// What hostile or broken tools print: numbers past any range, a job whose
// stored frame count is unknown. Each once gave a nonsense percentage, or
// undefined behaviour and a SIGFPE that left the tool running.
struct HostileCase {
  const char* what;
  ProgressReading (*read)(std::string_view text, int frameCount);
  std::string text;
  int frameCount;
  bool show;
  int value;
};

ProgressReading Eac3to(std::string_view text, int) { return ReadEac3toChunk(Chunk(std::string(text))); }
ProgressReading Mkvmerge(std::string_view text, int) { return ReadMkvmergeChunk(Chunk(std::string(text))); }
ProgressReading TsMuxer(std::string_view text, int) { return ReadTsMuxerChunk(Chunk(std::string(text))); }
ProgressReading X264(std::string_view text, int frameCount) { return ReadX264Title(text, frameCount); }

TEST(HostileOutput, NoNumberAToolPrintsCrashesOrShowsNonsense) {
  const HostileCase cases[] = {
      {"eac3to past int", Eac3to, "process: 999999999999%\r", 0, false, 0},
      {"eac3to over 100", Eac3to, "process: 100.1%\r", 0, false, 0},
      {"eac3to negative", Eac3to, "process: -5%\r", 0, false, 0},
      {"eac3to 100", Eac3to, "process: 100%\r", 0, true, 1000},
      {"mkvmerge digits", Mkvmerge, "Progress: " + std::string(400, '9') + "%\r", 0, false, 0},
      {"tsMuxeR huge", TsMuxer, "x\n123456789012.5% complete\n", 0, false, 0},
      {"x264 frames past long, count unknown", X264, "x264 [50.0%] 1152921504606846976/240 frames", -1, true, 0},
      {"x264 frames past long", X264, "x264 [50.0%] 1152921504606846976/240 frames", 240, true, 1000},
      {"x264 more frames than counted", X264, "x264 [99.9%] 250/240 frames", 240, true, 1000},
      {"x264 negative frames", X264, "x264 [1.0%] -5/240 frames", 240, true, 0},
      {"x264 count at int's end", X264, "x264 [1.0%] 2147483646/240 frames", 2147483647, true, 999},
      {"indexer over 100", X264, "ffms [info]: indexing [1000000000000.0%]", 0, true, 0},
      {"indexer negative", X264, "lavf [info]: indexing [-3.5%]", 0, true, 0},
  };
  for (const HostileCase& c : cases) {
    const ProgressReading reading = c.read(c.text, c.frameCount);
    EXPECT_EQ(reading.show, c.show) << c.what;
    EXPECT_EQ(reading.value, c.value) << c.what;
  }
}

TEST(ChunkText, StopsAtAZeroByteAndDropsTheLastByte) {
  EXPECT_EQ(ChunkText(std::string("ab\0cd", 5)), "ab");
  EXPECT_EQ(ChunkText("abc"), "ab");
  EXPECT_EQ(ChunkText(""), "");
}

}  // namespace
