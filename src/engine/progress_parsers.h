#pragma once
// Reading a tool's progress from what it prints: a chunk of its standard
// output (eac3to, mkvmerge, tsMuxeR) or its console title (x264).

#include <string>
#include <string_view>

struct ProgressReading {
  bool show = false;   // false: the window stays as it is
  std::string status;  // the status line
  int value = 0;       // the progress bar, 0 to 1000
  bool secondPass = false;  // eac3to began its second pass
};

// The text of a chunk as the parsers see it: its last byte gives way to
// the string end, and the text stops at a zero byte.
std::string ChunkText(std::string_view bytes);

// eac3to's notice that it began its second pass.
bool SaysSecondPass(std::string_view output);
// "process: 45%" shows "Process: 45%" and 450; "Starting 2nd pass" is noted.
ProgressReading ReadEac3toChunk(std::string_view chunk);
// "Progress: 45%" shows "Progress: 45%" and 450.
ProgressReading ReadMkvmergeChunk(std::string_view chunk);
// The line after the chunk's first line end, "12.5% complete", shows as
// it is with 125. tsMuxeR on a terminal starts its repeated progress
// lines with ESC "M" (back up a line); they read the same.
ProgressReading ReadTsMuxerChunk(std::string_view chunk);
// "x264 [12.5%] 125/1000 frames, ..." shows the whole title with 1000 ×
// frames done ÷ `frameCount`; indexer titles ("ffms [info]: ... [12.5%]")
// with the percentage × 10. A title of another kind shows nothing.
ProgressReading ReadX264Title(std::string_view title, int frameCount);
