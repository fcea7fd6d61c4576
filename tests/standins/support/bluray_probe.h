#pragma once
// Reads a BDMV folder through libbluray the way a player does and keeps what
// the tests compare: titles, durations, chapters, clips and streams.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct ProbedStream {
  uint16_t pid = 0;
  uint8_t coding = 0;
  std::string language;
};

struct ProbedTitle {
  uint32_t playlist = 0;
  uint64_t duration = 0;               // 90 kHz
  std::vector<uint64_t> chapterStarts;  // 90 kHz, from the title start
  std::vector<std::string> clips;
  std::vector<ProbedStream> video, audio, subtitles;  // of the first clip
};

// Empty when libbluray cannot open the folder.
std::vector<ProbedTitle> probeTitles(const std::filesystem::path& root);

struct MenuPlayback {
  std::vector<uint32_t> titles;     // entered, in order (0xffff first play, 0 top menu)
  std::vector<uint32_t> playlists;  // started, in order
  bool subtitlesShown = false;      // presentation graphics last switched on
};

// Starts the disc as a player does (first play through the movie objects)
// and records the titles and playlists it reaches while reading a little.
MenuPlayback playFromFirstPlay(const std::filesystem::path& root);
