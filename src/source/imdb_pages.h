#pragma once
// Reading the title lookup's answer: either the site's search results or,
// when the search found one film only, that film's own page. Every search
// is case-sensitive and goes forward; a missing marker leaves its field
// empty.

#include <string>
#include <string_view>

struct TitleMatch {
  std::string localTitle;
  std::string originalTitle;  // may be empty
  std::string year;
  std::string titleId;  // the site's identifier of the film ("tt0120737")
};

inline constexpr std::string_view kResultsPageMarker = "<title>IMDb Title Search</title>";

// The search results: the first row, or with a year in brackets in the
// query ("%28" + 4 characters + "%") the first row of that year.
void ReadResultsPage(std::string_view body, std::string_view encodedQuery, TitleMatch& match);

// The film's page; `site` is the address its og:url names.
void ReadFilmPage(std::string_view body, std::string_view site, TitleMatch& match);
