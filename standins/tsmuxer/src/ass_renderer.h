#pragma once
// Draws captions with libass in the style of a control-file text line: the
// font, size, colour and border given, centred, bottom-offset pixels above
// the bottom of a video-width x video-height picture.

#include <cstdint>
#include <optional>

#include "meta_file.h"
#include "pgs/image.h"
#include "srt_file.h"

struct ass_library;
struct ass_renderer;
struct ass_track;

namespace tsmuxer {

struct DrawnCaption {
  int x = 0, y = 0;
  pgs::RgbaImage image;
};

class AssRenderer {
 public:
  // Throws TextTrackError when libass cannot be set up.
  explicit AssRenderer(const TextStyle& style);
  ~AssRenderer();
  AssRenderer(const AssRenderer&) = delete;
  AssRenderer& operator=(const AssRenderer&) = delete;

  void add(const Cue& cue);
  // What shows at `ms`, cut to the drawn area; nothing when nothing shows.
  std::optional<DrawnCaption> draw(int64_t ms);

 private:
  ass_library* library_ = nullptr;
  ass_renderer* renderer_ = nullptr;
  ass_track* track_ = nullptr;
};

// ASS colour &HAABBGGRR of tsMuxeR's 0xAARRGGBB, where alpha 0 (the
// program's default 0x00FFFFFF) counts as opaque.
uint32_t assColourOf(uint32_t argb);

}  // namespace tsmuxer
