#pragma once
// The replacement "MovieObject.bdmv" (302 bytes) whose first movie object
// turns subtitle stream 1 on, so that players show the subtitles of an
// AVCHD folder without being asked.

#include <cstdint>
#include <string>
#include <vector>

std::vector<uint8_t> SubtitlesOnMovieObject();

// Writes it over "BDMV/MovieObject.bdmv" and "BDMV/BACKUP/MovieObject.bdmv"
// of the AVCHD folder; a file that cannot be written is skipped.
void ReplaceMovieObjects(const std::string& avchdFolder);
