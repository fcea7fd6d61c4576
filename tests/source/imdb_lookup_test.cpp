#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>

#include <chrono>

#include "harness/app_harness.h"
#include "support/imdb_test_pages.h"
#include "source/imdb_lookup.h"
#include "harness/local_http_server.h"

namespace {

class ImdbLookupTest : public ::testing::Test {
 protected:
  void SetUp() override { setenv("QUANDRELL_IMDB_URL", (server.Address() + "/").c_str(), 1); }
  void TearDown() override { unsetenv("QUANDRELL_IMDB_URL"); }

  test::LocalHttpServer server;
  TitleMatch match;
};

TEST_F(ImdbLookupTest, TheFilmsOwnPage) {
  server.ReplyWith(test::FilmPage(server.Address(), "tt0211915", "Am&#xE9;lie", "2001/I",
                              "Le fabuleux destin d&#x27;Am&#xE9;lie Poulain"));
  ASSERT_TRUE(ImdbLookup("am\u00E9lie (2001)", match));
  EXPECT_EQ(match.localTitle, "Amelie");
  EXPECT_EQ(match.originalTitle, "Le fabuleux destin d'Amelie Poulain");
  EXPECT_EQ(match.year, "2001");
  EXPECT_EQ(match.titleId, "tt0211915");
  ASSERT_EQ(server.RequestLines().size(), 1u);
  EXPECT_EQ(server.RequestLines()[0], "GET /find?s=tt&q=am%C3%A9lie+%282001%29 HTTP/1.1");
}

TEST_F(ImdbLookupTest, AFilmPageOfAnotherSiteIsNotTaken) {
  server.ReplyWith(test::FilmPage("http://elsewhere.example", "tt1", "Title", "2001", ""));
  EXPECT_FALSE(ImdbLookup("title", match));
  EXPECT_EQ(match.localTitle, "");
}

const std::vector<test::ResultRow> kRows = {
    {"tt0000001", "The Movie", "1998", ""},
    {"tt0000002", "The Movie: Part 2", "2010", "Le Film"},
    {"tt0000003", "The Movie Returns", "2012", ""},
};

TEST_F(ImdbLookupTest, ResultsTakeTheFirstRowWithoutAYearWish) {
  server.ReplyWith(test::ResultsPage(kRows));
  ASSERT_TRUE(ImdbLookup("the movie", match));
  EXPECT_EQ(match.titleId, "tt0000001");
  EXPECT_EQ(match.localTitle, "The Movie");
  EXPECT_EQ(match.year, "1998");
  EXPECT_EQ(match.originalTitle, "");
}

TEST_F(ImdbLookupTest, ResultsTakeTheRowOfTheWishedYearElseTheFirst) {
  server.ReplyWith(test::ResultsPage(kRows));
  ASSERT_TRUE(ImdbLookup("the movie (2010)", match));
  EXPECT_EQ(match.titleId, "tt0000002");
  EXPECT_EQ(match.localTitle, "The Movie. Part 2");
  EXPECT_EQ(match.originalTitle, "Le Film");
  ASSERT_TRUE(ImdbLookup("the movie (1975)", match));
  EXPECT_EQ(match.titleId, "tt0000001");
  EXPECT_EQ(match.year, "1998");
}

TEST_F(ImdbLookupTest, AnEmptyBodyFindsNothing) {
  server.ReplyWith("");
  EXPECT_FALSE(ImdbLookup("the movie", match));
  server.ReplyWith("<html>nothing here</html>");
  EXPECT_FALSE(ImdbLookup("the movie", match));
}

TEST_F(ImdbLookupTest, AHugeBodyIsReadUpToItsBound) {
  // The wished year's row lies past the first 60,000 bytes: unseen.
  std::vector<test::ResultRow> rows = kRows;
  std::string page = test::ResultsPage({kRows[0]});
  page.resize(page.rfind("</table>"));
  page += std::string(70000, ' ') + test::ResultsPage({kRows[1]});
  page += std::string(1 << 20, 'x');
  server.ReplyWith(page);
  ASSERT_TRUE(ImdbLookup("the movie (2010)", match));
  EXPECT_EQ(match.titleId, "tt0000001");
}

TEST_F(ImdbLookupTest, AServerThatNeverAnswersIsCutOffByTheTimeouts) {
  server.NeverAnswer();
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(ImdbLookup("the movie", match));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(15));
}

TEST_F(ImdbLookupTest, ThePictureOpensTheFilmsPage) {
  test::AppHarness harness;
  harness.StartMainWindow();
  std::strcpy(harness.app().source.imdbTitleId, "tt0211915");
  harness.ui().FireCtrlEvent(harness.panel(), PANEL_IMDB, ui::EVENT_COMMIT);
  EXPECT_TRUE(harness.opener().Opened().empty());
  harness.ui().FireCtrlEvent(harness.panel(), PANEL_IMDB, ui::EVENT_LEFT_CLICK);
  EXPECT_EQ(harness.opener().Opened(), std::vector<std::string>{server.Address() + "/title/tt0211915/"});
  harness.app().source.imdbTitleId[0] = '\0';
  harness.ui().FireCtrlEvent(harness.panel(), PANEL_IMDB, ui::EVENT_LEFT_CLICK);
  EXPECT_EQ(harness.opener().Opened().size(), 1u);
}

}  // namespace
