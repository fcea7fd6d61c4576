#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace eac3to {

enum class TrackKind { Chapters, Video, Audio, Subtitle };

struct VideoFacts {
  int width = 0;
  int height = 0;
  bool interlaced = false;
  int rateNum = 0, rateDen = 0;      // frames per second
  int aspectNum = 0, aspectDen = 0;  // display aspect ratio
  bool rightEye = false;             // dependent (MVC) view of a 3D stream
};

// The lossy part some lossless formats carry for older players.
struct AudioCore {
  std::string codec;  // "DTS" or "AC3"
  int channels = 0;
  bool lfe = false;
  int kbps = 0;
  int sampleRate = 0;
  std::optional<int> dialnorm;
};

struct AudioFacts {
  int channels = 0;
  bool lfe = false;
  int sampleRate = 0;
  int bits = 0;  // 0 for lossy formats
  int kbps = 0;  // 0 when unknown
  std::optional<int> dialnorm;  // dB, e.g. -27
  std::optional<AudioCore> core;
  int coreStreamIndex = -1;  // TrueHD: FFmpeg shows the AC-3 part as a stream of its own
};

// One numbered entry of a listing.
struct Track {
  TrackKind kind = TrackKind::Video;
  int streamIndex = -1;  // FFmpeg stream index in the (first) input file
  int pid = -1;          // transport stream PID, -1 outside transport streams
  std::string codec;     // FFmpeg codec name: "h264", "ac3", "dts", "hdmv_pgs_subtitle"...
  int profile = -1;      // FFmpeg profile number
  std::string language;  // ISO 639-2 code, empty when unknown
  std::string title;
  VideoFacts video;
  AudioFacts audio;
  int chapterCount = 0;  // Chapters entry only
  std::optional<std::int64_t> start;  // first timestamp in the (first) file, 90 kHz
};

// A piece of a file to read. Blu-ray playlists play clips from an in time to
// an out time (90 kHz clock); a plain file is one part that starts with its
// video (its in time is the video's first timestamp).
struct InputPart {
  std::filesystem::path file;
  std::optional<std::int64_t> inTime, outTime;
};

struct Source {
  std::string container;       // "M2TS", "MKV", ...
  std::int64_t durationMs = 0;
  std::vector<Track> tracks;   // listing order: entry N is tracks[N - 1]
  std::vector<std::int64_t> chaptersMs;
  std::vector<InputPart> parts;
  bool transportStream = false;

  const Track* Find(int number) const {
    return number >= 1 && number <= static_cast<int>(tracks.size()) ? &tracks[number - 1]
                                                                     : nullptr;
  }
};

}  // namespace eac3to
