#include "ass_renderer.h"

#include <ass/ass.h>

#include <algorithm>
#include <cstdarg>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "text_tracks.h"

namespace tsmuxer {

namespace {

std::string hexColour(uint32_t assColour) {
  char text[16];
  std::snprintf(text, sizeof text, "&H%08X", assColour);
  return text;
}

// The style lives in a script header so libass parses it as it would any
// subtitle file; the events are added through the API to keep milliseconds.
std::string scriptHeader(const TextStyle& s) {
  return "[Script Info]\nScriptType: v4.00+\nPlayResX: " + std::to_string(s.videoWidth) +
         "\nPlayResY: " + std::to_string(s.videoHeight) +
         "\nScaledBorderAndShadow: yes\nWrapStyle: 0\n\n[V4+ Styles]\n"
         "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, BackColour, Bold, "
         "Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, BorderStyle, Outline, Shadow, Alignment, "
         "MarginL, MarginR, MarginV, Encoding\nStyle: Default," +
         s.fontName + "," + std::to_string(s.fontSize) + "," + hexColour(assColourOf(s.fontColor)) +
         ",&H000000FF,&H00000000,&H00000000,0,0,0,0,100,100,0,0,1," + std::to_string(s.fontBorder) + ",0,2,20,20," +
         std::to_string(s.bottomOffset) + ",1\n\n[Events]\n"
         "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n";
}

struct Bounds {
  int left = INT_MAX, top = INT_MAX, right = 0, bottom = 0;
};

Bounds boundsOf(const ASS_Image* images) {
  Bounds b;
  for (const ASS_Image* i = images; i != nullptr; i = i->next) {
    if (i->w == 0 || i->h == 0) continue;
    b.left = std::min(b.left, i->dst_x);
    b.top = std::min(b.top, i->dst_y);
    b.right = std::max(b.right, i->dst_x + i->w);
    b.bottom = std::max(b.bottom, i->dst_y + i->h);
  }
  return b;
}

// Source-over of one coverage bitmap in one colour (0xRRGGBBTT, TT = transparency).
void blend(pgs::RgbaImage& canvas, const ASS_Image& i, const Bounds& b) {
  const double opacity = (255 - (i.color & 0xff)) / 255.0;
  const double colour[3] = {double(i.color >> 24), double((i.color >> 16) & 0xff), double((i.color >> 8) & 0xff)};
  for (int y = 0; y < i.h; ++y)
    for (int x = 0; x < i.w; ++x) {
      const double a = i.bitmap[y * i.stride + x] / 255.0 * opacity;
      if (a <= 0) continue;
      pgs::Rgba& d = canvas.at(i.dst_x - b.left + x, i.dst_y - b.top + y);
      const double da = d.a / 255.0, outA = a + da * (1 - a);
      auto mix = [&](double src, uint8_t dst) { return uint8_t((src * a + dst * da * (1 - a)) / outA + 0.5); };
      d = {mix(colour[0], d.r), mix(colour[1], d.g), mix(colour[2], d.b), uint8_t(outA * 255 + 0.5)};
    }
}

// libass reports font choices and the like on stderr; only its errors
// belong there.
void quietMessages(int level, const char* format, va_list args, void*) {
  if (level > 1) return;
  std::vfprintf(stderr, format, args);
  std::fputc('\n', stderr);
}

}  // namespace

uint32_t assColourOf(uint32_t argb) {
  const uint32_t alpha = argb >> 24;
  const uint32_t transparency = alpha == 0 ? 0 : 255 - alpha;
  return transparency << 24 | (argb & 0xff) << 16 | (argb & 0xff00) | (argb >> 16 & 0xff);
}

AssRenderer::AssRenderer(const TextStyle& style) {
  library_ = ass_library_init();
  if (library_ != nullptr) {
    ass_set_message_cb(library_, quietMessages, nullptr);
    renderer_ = ass_renderer_init(library_);
  }
  if (renderer_ == nullptr) throw TextTrackError("Can't start the subtitle renderer (libass)");
  ass_set_frame_size(renderer_, style.videoWidth, style.videoHeight);
  ass_set_storage_size(renderer_, style.videoWidth, style.videoHeight);
  ass_set_fonts(renderer_, nullptr, "sans-serif", ASS_FONTPROVIDER_AUTODETECT, nullptr, 1);
  std::string header = scriptHeader(style);
  track_ = ass_read_memory(library_, header.data(), header.size(), nullptr);
  if (track_ == nullptr) throw TextTrackError("Can't set up the subtitle style for font \"" + style.fontName + "\"");
}

AssRenderer::~AssRenderer() {
  if (track_ != nullptr) ass_free_track(track_);
  if (renderer_ != nullptr) ass_renderer_done(renderer_);
  if (library_ != nullptr) ass_library_done(library_);
}

void AssRenderer::add(const Cue& cue) {
  const int id = ass_alloc_event(track_);
  ASS_Event& e = track_->events[id];
  e.Start = cue.startMs;
  e.Duration = cue.endMs - cue.startMs;
  e.Style = track_->n_styles - 1;
  e.ReadOrder = id;
  e.Text = strdup(assMarkup(cue.text).c_str());
}

std::optional<DrawnCaption> AssRenderer::draw(int64_t ms) {
  int changed = 0;
  const ASS_Image* images = ass_render_frame(renderer_, track_, ms, &changed);
  const Bounds b = boundsOf(images);
  if (b.right <= b.left || b.bottom <= b.top) return std::nullopt;
  DrawnCaption caption{b.left, b.top, pgs::RgbaImage(b.right - b.left, b.bottom - b.top)};
  for (const ASS_Image* i = images; i != nullptr; i = i->next) blend(caption.image, *i, b);
  return caption;
}

}  // namespace tsmuxer
