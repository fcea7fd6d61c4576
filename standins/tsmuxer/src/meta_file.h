#pragma once
// The tsMuxeR control file: a MUXOPT line and one line per stream,
//   CODEC, "file", option=value, option, ...
// Options this muxer does not know are kept but ignored.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tsmuxer {

struct MetaError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

enum class TrackKind { Video, Audio, Subtitle };

struct TextStyle {
  std::string fontName = "Arial";
  int fontSize = 65;
  uint32_t fontColor = 0x00ffffff;  // 0xAARRGGBB, alpha 0 is opaque as tsMuxeR reads it
  int bottomOffset = 24;
  int fontBorder = 0;
  int videoWidth = 1920;
  int videoHeight = 1080;
};

struct TrackSpec {
  std::string codecId;
  TrackKind kind = TrackKind::Video;
  std::string file;
  std::optional<int> track;  // PID inside a transport stream
  int timeshiftMs = 0;
  bool downToAc3 = false;
  bool downToDts = false;
  std::string language;
  std::string fps;  // as written, "23.976"
  TextStyle text;
};

struct MuxOptions {
  std::optional<std::vector<int64_t>> customChaptersMs;
  int autoChapterMinutes = 0;
};

struct MetaFile {
  MuxOptions options;
  std::vector<TrackSpec> tracks;
};

// Lines may end in "\r\n" or "\n"; blank lines and "#" comments are skipped.
// Throws MetaError for a missing MUXOPT line, an unsupported codec, a line
// without a quoted file name, bad chapter times or no track at all.
MetaFile parseMeta(const std::string& text);

// "hh:mm:ss.mmm" (or plain seconds) to milliseconds; nothing when malformed.
std::optional<int64_t> parseChapterTime(const std::string& text);

}  // namespace tsmuxer
