#pragma once
// A subtitle stream as a list of pictures with their times: what PGS
// display sets show, independent of how they were split into objects,
// windows and palettes.

#include <cstdint>
#include <optional>
#include <vector>

#include "pgs/image.h"
#include "pgs/segment.h"

namespace pgs {

struct Caption {
  uint32_t start = 0;             // PTS, 90 kHz
  std::optional<uint32_t> end;    // PTS of the composition that removes it
  bool forced = false;
  int x = 0, y = 0;               // top left on the video
  RgbaImage image;
};

struct CaptionStream {
  uint16_t videoWidth = 1920;
  uint16_t videoHeight = 1080;
  uint8_t frameRate = 0x10;  // PGS frame-rate code, kept as found
  std::vector<Caption> captions;
};

// Plays the display sets as a decoder would: each composition that shows
// objects starts a caption (its objects drawn with the palette it names),
// and the next composition ends it. Repeats of the same picture (acquisition
// points) extend the caption. Throws SupError for a composition, palette or
// object segment that is malformed or names an object never defined.
CaptionStream decodeCaptions(const std::vector<Segment>& segments);

// One epoch per caption: PCS (epoch start, forced flag), WDS, PDS, ODS, END
// at its start, and PCS (no object), WDS, END at its end. The picture is
// reduced to at most 255 colours plus transparency.
std::vector<Segment> encodeCaptions(const CaptionStream& stream);

}  // namespace pgs
