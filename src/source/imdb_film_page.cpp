#include <string>

#include "source/html_entities.h"
#include "source/imdb_pages.h"

namespace {

constexpr std::string_view kHeading = "<h1 class=\"header\" itemprop=\"name\">";
constexpr std::string_view kTitleExtra = "<span class=\"title-extra\">";

// The text from `start` up to `end`, decoded; empty when `end` is missing.
std::string DecodedUpTo(std::string_view body, size_t start, size_t end) {
  if (end == std::string_view::npos || end < start) return {};
  std::string text(body.substr(start, end - start));
  DecodeHtmlEntities(text);
  return text;
}

}  // namespace

void ReadFilmPage(std::string_view body, std::string_view site, TitleMatch& match) {
  const std::string ogUrl = "<meta property=\"og:url\" content=\"" + std::string(site) + "/title/";
  size_t pos = body.find(ogUrl);
  if (pos == std::string_view::npos) return;
  pos += ogUrl.size();
  if (size_t end = body.find("/\" ", pos); end != std::string_view::npos)
    match.titleId = body.substr(pos, end - pos);

  // The heading's text stands on the line after the marker.
  if (size_t at = body.find(kHeading, pos); at != std::string_view::npos) {
    const size_t start = std::min(body.size(), at + kHeading.size() + 1);
    const size_t end = body.find('\n', start);
    match.localTitle = DecodedUpTo(body, start, end);
    pos = end == std::string_view::npos ? start : end;
  }
  if (size_t at = body.find("\">", pos); at != std::string_view::npos) {
    const size_t end = body.find("</a>", at + 2);
    if (end != std::string_view::npos) {
      std::string year(body.substr(at + 2, end - at - 2));
      if (year.size() > 4 && year[4] == '/') year.resize(4);
      match.year = year;
      pos = end;
    }
  }
  // The original title's line ends with one character that is not part of it.
  if (size_t at = body.find(kTitleExtra, pos); at != std::string_view::npos) {
    const size_t start = std::min(body.size(), at + kTitleExtra.size() + 1);
    const size_t end = body.find('\n', start);
    if (end != std::string_view::npos && end > start) match.originalTitle = DecodedUpTo(body, start, end - 1);
  }
}
