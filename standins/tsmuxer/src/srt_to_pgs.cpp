#include "srt_to_pgs.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

#include "ass_renderer.h"
#include "pgs/caption.h"
#include "srt_file.h"
#include "text_tracks.h"

namespace tsmuxer {

namespace {

constexpr int64_t kTicksPerMs = 90;

std::vector<Cue> readCues(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw TextTrackError("Can't open file: " + path);
  std::ostringstream text;
  text << in.rdbuf();
  std::vector<Cue> cues = parseSrt(text.str());
  if (cues.empty()) throw TextTrackError("No captions found in " + path);
  return cues;
}

// The frame-rate code of a PGS composition.
uint8_t pgsFrameRate(const std::string& fps) {
  const double rate = std::atof(fps.c_str());
  struct Code {
    double rate;
    uint8_t code;
  };
  for (const Code& c : {Code{23.976, 0x10}, Code{24, 0x20}, Code{25, 0x30}, Code{29.97, 0x40}, Code{50, 0x60},
                        Code{59.94, 0x70}})
    if (std::fabs(rate - c.rate) < 0.01) return c.code;
  return 0x10;
}

// Every moment a caption starts or ends opens a span drawn on its own, so
// overlapping captions show together.
std::set<int64_t> spanEdges(const std::vector<Cue>& cues) {
  std::set<int64_t> edges;
  for (const Cue& c : cues) edges.insert({c.startMs, c.endMs});
  return edges;
}

void append(pgs::CaptionStream& stream, DrawnCaption drawn, int64_t fromMs, int64_t toMs) {
  if (!stream.captions.empty()) {
    pgs::Caption& last = stream.captions.back();
    if (*last.end == fromMs * kTicksPerMs && last.x == drawn.x && last.y == drawn.y && last.image == drawn.image) {
      last.end = static_cast<uint32_t>(toMs * kTicksPerMs);
      return;
    }
  }
  pgs::Caption c;
  c.start = static_cast<uint32_t>(fromMs * kTicksPerMs);
  c.end = static_cast<uint32_t>(toMs * kTicksPerMs);
  c.x = drawn.x;
  c.y = drawn.y;
  c.image = std::move(drawn.image);
  stream.captions.push_back(std::move(c));
}

}  // namespace

void renderSrtToPgs(const std::string& srtPath, const TextStyle& style, const std::string& fps,
                    const std::string& supPath) {
  const std::vector<Cue> cues = readCues(srtPath);
  AssRenderer renderer(style);
  for (const Cue& c : cues) renderer.add(c);
  pgs::CaptionStream stream;
  stream.videoWidth = static_cast<uint16_t>(style.videoWidth);
  stream.videoHeight = static_cast<uint16_t>(style.videoHeight);
  stream.frameRate = pgsFrameRate(fps);
  const std::set<int64_t> edges = spanEdges(cues);
  for (auto it = edges.begin(); std::next(it) != edges.end(); ++it)
    if (auto drawn = renderer.draw(*it)) append(stream, std::move(*drawn), *it, *std::next(it));
  if (stream.captions.empty()) throw TextTrackError("No caption of " + srtPath + " could be drawn: no usable font?");
  try {
    pgs::writeSupFile(supPath, pgs::encodeCaptions(stream));
  } catch (const pgs::SupError& e) {
    throw TextTrackError(e.what());
  }
}

}  // namespace tsmuxer
