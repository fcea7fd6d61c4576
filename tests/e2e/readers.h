#pragma once
// What the roads' outputs hold, read by tools independent of the program:
// mkvmerge -J, ffprobe, ffmpeg, mediainfo and the file system.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace e2e {

struct MkvTrack {
  std::string type, codec, language, name;
  bool forced = false;
};

struct MkvFile {
  bool read = false;  // exit code 0 and no errors
  std::string title;
  std::vector<MkvTrack> tracks;
  int chapterEntries = 0;
  std::string json;  // the whole answer, for failure messages
};

// "mkvmerge -J" of the file.
MkvFile IdentifyMatroska(const std::filesystem::path& file);

// Chapter start times in milliseconds, as ffprobe reads them.
std::vector<int64_t> ChapterStartsMs(const std::filesystem::path& file);

// The first video stream copied out as raw H.264 (Annex B) by ffmpeg.
std::string RawH264(const std::filesystem::path& file);

// The NAL units of an Annex B stream, access unit delimiters left out: a
// transport stream carries one per picture, Matroska none (mkvmerge drops
// them, and they hold nothing of the picture).
std::vector<std::string> CodedNalUnits(const std::string& annexB);

// The first subtitle stream copied out as a PGS (.sup) file by ffmpeg.
std::string SubtitleStream(const std::filesystem::path& file);

// What "ffmpeg -v error -i <file> -f null -" reports while decoding it all.
std::string DecodeErrors(const std::filesystem::path& file);

// One field of mediainfo's report, e.g. ("Video", "FrameCount").
std::string MediaInfoField(const std::filesystem::path& file, const std::string& kind, const std::string& field);

// The bytes of every file under the folder.
uintmax_t FolderBytes(const std::filesystem::path& folder);

}  // namespace e2e
