#include "source/title_cleanup.h"

#include <initializer_list>
#include <string_view>

#include "source/text_search.h"

namespace {

bool IsAt(const std::string& text, size_t at, char c) { return at < text.size() && text[at] == c; }
bool EndsOrBlankAt(const std::string& text, size_t at) { return at >= text.size() || text[at] == ' '; }

void Separators(std::string& name) {
  for (char& c : name)
    if (c == '_' || c == '-' || c == '.') c = ' ';
}

// " D1" to " D6" (and F, J, C, P), " CE", " US" as whole words, capitals only.
void DiscAndRegionMarks(std::string& name) {
  for (size_t p = 0; p + 2 < name.size(); ++p) {
    if (name[p] != ' ') continue;
    const char a = name[p + 1], b = name[p + 2];
    const bool disc = std::string_view("DFJCP").find(a) != std::string_view::npos && b >= '1' && b <= '6';
    const bool region = (a == 'C' && b == 'E') || (a == 'U' && b == 'S');
    if ((disc || region) && EndsOrBlankAt(name, p + 3)) {
      name.resize(p);
      return;
    }
  }
}

// Ends the text at the first pattern of the list that occurs anywhere.
void CutAtFirstOf(std::string& name, std::initializer_list<std::string_view> patterns) {
  for (std::string_view pattern : patterns) {
    const size_t at = FindNoCase(name, pattern);
    if (at != kNotFound) {
      name.resize(at);
      return;
    }
  }
}

// A bracketed year stays, anything else in brackets goes. `gap` is the
// number of blanks before "(".
bool Parentheses(std::string& name, size_t gap) {
  const size_t at = FindNoCase(name, std::string(gap, ' ') + "(");
  if (at == kNotFound) return false;
  const size_t open = at + gap;
  const bool year = IsAt(name, open + 5, ')') && (IsAt(name, open + 1, '1') || IsAt(name, open + 1, '2'));
  name.resize(year ? open + 6 : at);
  return true;
}

void BareYear(std::string& name) {
  for (size_t p = 2; p + 4 < name.size(); ++p) {
    const std::string_view century = std::string_view(name).substr(p + 1, 2);
    if (name[p] == ' ' && (century == "19" || century == "20") && EndsOrBlankAt(name, p + 5)) {
      name = name.substr(0, p + 1) + "(" + name.substr(p + 1, 4) + ")";
      return;
    }
  }
}

}  // namespace

void CleanTitle(std::string& name) {
  Separators(name);
  DiscAndRegionMarks(name);
  CutAtFirstOf(name, {"  [", " [", "["});
  CutAtFirstOf(name, {" BD ", " Full Blu Ray", " Full BluRay", " Blu Ray", " BluRay", " BDremux",
                      " BDRIP", " BD50", " BD25", " AVCHD", " AVC"});
  CutAtFirstOf(name, {" 1080", "1080", " 720", "720"});
  for (std::string_view word : {" x264", " mkv", " by "}) CutAtFirstOf(name, {word});
  if (!Parentheses(name, 2) && !Parentheses(name, 1)) Parentheses(name, 0);
  BareYear(name);
}
