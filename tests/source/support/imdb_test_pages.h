#pragma once
// Pages of the title lookup's web site as the tests serve them.

#include <string>
#include <utility>
#include <vector>

namespace test {

struct ResultRow {
  std::string id, title, year, originalTitle;
};

inline std::string ResultsPage(const std::vector<ResultRow>& rows, const std::string& padding = "") {
  std::string page = "<html><head><title>IMDb Title Search</title></head><body>" + padding + "<table>\n";
  int n = 1;
  for (const auto& row : rows) {
    page += "<tr><td valign=\"top\"><img src=\"/b.gif\"><br>" + std::to_string(n++) +
            ".</td><td valign=\"top\"><a href=\"/title/" + row.id + "/\" onclick=\"(new Image()).src='/rg/f';\">" +
            row.title + "</a> (" + row.year + ")";
    if (!row.originalTitle.empty()) page += "<br>&#160;aka \"" + row.originalTitle + "\" <em>(original title)</em></p>";
    page += "</td></tr>\n";
  }
  return page + "</table></body></html>\n";
}

inline std::string FilmPage(const std::string& site, const std::string& id, const std::string& title,
                            const std::string& year, const std::string& originalTitle) {
  std::string page = "<html><head>\n<meta property=\"og:url\" content=\"" + site + "/title/" + id +
                     "/\" />\n</head><body>\n<h1 class=\"header\" itemprop=\"name\">\n" + title +
                     "\n<a href=\"/year/" + year + "/\">" + year + "</a>\n";
  if (!originalTitle.empty()) page += "<span class=\"title-extra\">\n" + originalTitle + " \n</span>\n";
  return page + "</h1></body></html>\n";
}

}  // namespace test
