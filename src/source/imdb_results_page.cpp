#include <string>

#include "source/html_entities.h"
#include "source/imdb_pages.h"

namespace {

constexpr int kLastResultNumber = 18;
constexpr int kMostRows = 22;

std::string Decoded(std::string_view text) {
  std::string decoded(text);
  DecodeHtmlEntities(decoded);
  return decoded;
}

// The year in brackets the user put into the query, or empty.
std::string WishedYear(std::string_view encodedQuery) {
  const size_t at = encodedQuery.find("%28");
  if (at == std::string_view::npos || at + 7 >= encodedQuery.size()) return {};
  if (encodedQuery[at + 7] != '%') return {};
  return std::string(encodedQuery.substr(at + 3, 4));
}

// One result row: identifier, local title, year and the original title
// of an "aka" line marked as such.
TitleMatch ReadRow(std::string_view row) {
  TitleMatch match;
  size_t pos = 0;
  if (size_t at = row.find("href=\"/title/"); at != std::string_view::npos) {
    pos = at + 13;
    const size_t end = row.find("\" ", pos);
    if (end != std::string_view::npos && end > pos) match.titleId = row.substr(pos, end - 1 - pos);
  }
  if (size_t at = row.find(";\">", pos); at != std::string_view::npos) {
    const size_t end = row.find("</a>", at + 3);
    if (end != std::string_view::npos) match.localTitle = Decoded(row.substr(at + 3, end - at - 3));
    pos = at + 3;
  }
  if (size_t at = row.find("</a> (", pos); at != std::string_view::npos) {
    if (row.find(')', at + 10) != std::string_view::npos) match.year = row.substr(at + 6, 4);
    pos = at + 6;
  }
  if (size_t at = row.find("aka \"", pos); at != std::string_view::npos) {
    std::string_view aka = row.substr(at + 5);
    aka = aka.substr(0, aka.find("</p>"));
    if (aka.find("<em>(original title)</em>") != std::string_view::npos)
      match.originalTitle = Decoded(aka.substr(0, aka.find('"')));
  }
  return match;
}

}  // namespace

void ReadResultsPage(std::string_view body, std::string_view encodedQuery, TitleMatch& match) {
  const std::string wished = WishedYear(encodedQuery);
  TitleMatch first;
  int rows = 0;
  size_t searchFrom = 0;
  int n = 1;
  while (rows < kMostRows) {
    const size_t p = body.find(">" + std::to_string(n) + ".</td>", searchFrom);
    if (p == std::string_view::npos) {
      if (++n > kLastResultNumber) break;
      continue;
    }
    const size_t rowEnd = body.find("</td>", p + 10);
    if (rowEnd == std::string_view::npos) break;
    searchFrom = rowEnd;
    match = ReadRow(body.substr(p, rowEnd - p));
    if (++rows == 1) first = match;
    if (wished.empty() || match.year == wished) return;
  }
  match = first;
}
