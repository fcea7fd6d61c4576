#include <gtest/gtest.h>

#include "source/html_entities.h"
#include "source/text_case.h"
#include "source/title_cleanup.h"

namespace {

std::string Cleaned(std::string name) {
  CleanTitle(name);
  return name;
}

std::string Decoded(std::string text) {
  DecodeHtmlEntities(text);
  return text;
}

std::string Capitalized(std::string text) {
  CapitalizeWords(text);
  return text;
}

TEST(CleanTitle, ReleaseNamesBecomeTitles) {
  EXPECT_EQ(Cleaned("Some.Movie.2010.1080p.BluRay.x264"), "Some Movie (2010)");
  EXPECT_EQ(Cleaned("Movie_Name_D1"), "Movie Name");
  EXPECT_EQ(Cleaned("Movie US"), "Movie");
  EXPECT_EQ(Cleaned("Movie (2009) [1080p]"), "Movie (2009)");
  EXPECT_EQ(Cleaned("Movie (Director's Cut)"), "Movie");
  EXPECT_EQ(Cleaned("Movie.Title.BD25.Remux"), "Movie Title");
  EXPECT_EQ(Cleaned("Movie-Title-720p-by-Someone"), "Movie Title");
  EXPECT_EQ(Cleaned("Movie.mkv.Rip"), "Movie");
}

TEST(CleanTitle, OnlyTheFirstReleaseWordOfTheListCuts) {
  EXPECT_EQ(Cleaned("Movie BluRay BD Remux"), "Movie BluRay");
  EXPECT_EQ(Cleaned("Movie AVC BDRIP"), "Movie AVC");
  EXPECT_EQ(Cleaned("Movie bluray"), "Movie");  // release words ignore case
}

TEST(CleanTitle, DiscAndRegionMarksAreCapitalWordsOnly) {
  EXPECT_EQ(Cleaned("Movie D7"), "Movie D7");
  EXPECT_EQ(Cleaned("Movie d1"), "Movie d1");
  EXPECT_EQ(Cleaned("Movie CE Edition"), "Movie");
  EXPECT_EQ(Cleaned("Movie USA"), "Movie USA");
  EXPECT_EQ(Cleaned("Movie P3 Extra"), "Movie");
}

TEST(CleanTitle, BracketsAndYears) {
  EXPECT_EQ(Cleaned("Movie  (1999) extra"), "Movie  (1999)");
  EXPECT_EQ(Cleaned("Movie(2001)"), "Movie(2001)");
  EXPECT_EQ(Cleaned("Movie (1999"), "Movie");  // a year cut short ends the text
  EXPECT_EQ(Cleaned("Movie [x]"), "Movie");
  EXPECT_EQ(Cleaned("Old Movie 1984 Remastered"), "Old Movie (1984)");
  EXPECT_EQ(Cleaned("Movie 2012x"), "Movie 2012x");
  EXPECT_EQ(Cleaned("Movie 1850"), "Movie 1850");
}

TEST(CleanTitle, ShortAndEmptyNamesNeverReadPastTheirEnd) {
  for (const char* name : {"", " ", "(", " (", "  (", " D", " D1", "[", "a 19", " 20", "x (2"}) {
    std::string text = name;
    CleanTitle(text);
    EXPECT_LE(text.size(), std::string(name).size()) << name;
  }
  EXPECT_EQ(Cleaned(" (2010)"), " (2010)");
}

TEST(DecodeHtmlEntities, ReferencesBecomeLettersFileNamesCanHold) {
  EXPECT_EQ(Decoded("Schindler&#x27;s List"), "Schindler's List");
  EXPECT_EQ(Decoded("Am&#xE9;lie"), "Amelie");
  EXPECT_EQ(Decoded("Am&#233;lie"), "Amelie");
  EXPECT_EQ(Decoded("Tom &#38; Jerry"), "Tom & Jerry");
  EXPECT_EQ(Decoded("Espa&#241;a &#xC7;a &#183;"), "Espa\u00F1a \u00E7a \u00B7");
  EXPECT_EQ(Decoded("&#178;&#179;&#185;&#176;&#186;"), "23100");
  EXPECT_EQ(Decoded("&#x4E2D;&#8217;"), "__");
}

TEST(DecodeHtmlEntities, CharactersFileNamesCannotHold) {
  EXPECT_EQ(Decoded("AC/DC"), "AC DC");
  EXPECT_EQ(Decoded("Title: Part 2"), "Title. Part 2");
  EXPECT_EQ(Decoded("a\\b*c\"d<e>f?g|h"), "a b c d e f g-h");
}

TEST(DecodeHtmlEntities, ReferencesCutShortStayAsTheyStand) {
  EXPECT_EQ(Decoded("Rock &#x2"), "Rock &#x2");
  EXPECT_EQ(Decoded("Rock &#"), "Rock &#");
  EXPECT_EQ(Decoded("AT&#T"), "AT&#T");
  EXPECT_EQ(Decoded("&#39"), "&#39");
  EXPECT_EQ(Decoded("&"), "&");
}

TEST(CapitalizeWords, WordStartsButNotOneLetterWordsOrTheLastCharacter) {
  EXPECT_EQ(Capitalized("the lord of the rings"), "The Lord Of The Rings");
  EXPECT_EQ(Capitalized("a b c"), "A b c");
  EXPECT_EQ(Capitalized("movie x"), "Movie x");
  EXPECT_EQ(Capitalized("\u00E9l\u00E8ve \u00E0 paris"), "\u00C9l\u00E8ve \u00E0 Paris");
  EXPECT_EQ(Capitalized(""), "");
}

TEST(TextCase, UnicodeAware) {
  EXPECT_EQ(LowerText("AM\u00C9LIE \u00D1"), "am\u00E9lie \u00F1");
  EXPECT_EQ(UpperText("stra\u00DFe \u00E9t\u00E9"), "STRASSE \u00C9T\u00C9");
}

}  // namespace
