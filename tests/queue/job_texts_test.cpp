#include <gtest/gtest.h>

#include "composition_fixture.h"
#include "queue/job_texts.h"

namespace {

class JobPathsTest : public test::CompositionTest {
 protected:
  void AddWithOutput(const std::string& output) {
    OpenFilm();
    Type(PANEL_OUT, output);
    ui().ClearPopups();
    AddToQueue();
  }
};

TEST(JobTexts, NamesAndRoots) {
  EXPECT_EQ(OutputBaseName("/out/THE FILM", false), "THE FILM");
  EXPECT_EQ(OutputBaseName("/out/The Film.MKV", true), "The Film");
  EXPECT_EQ(OutputBaseName("/out/a.mkv.b.mkv", true), "a.mkv.b");
  EXPECT_EQ(OutputBaseName("/out/The Film.mkv", false), "The Film.mkv");
  EXPECT_EQ(OutputBaseName("no folder", false), "");
  EXPECT_EQ(BlurayRootOf("/m/bdmv/x/BDMV/STREAM/00001.m2ts"), "/m/bdmv/x");
  EXPECT_EQ(BlurayRootOf("/m/Film/bdmv/STREAM/00001.m2ts"), "/m/Film");
  EXPECT_EQ(BlurayRootOf("/films/film.m2ts"), "");
}

TEST(JobTexts, Chapters) {
  EXPECT_EQ(ChapterList("0:00:00.000\n0:05:00.000", 2999), "0:00:00.000;0:05:00.000");
  EXPECT_EQ(ChapterList("1\n2\n", 2999), "1;2");
  EXPECT_EQ(ChapterList("12\n", 2999), "12\n");  // three characters or fewer stay
  EXPECT_EQ(ChapterList("", 2999), "");
  EXPECT_EQ(ChapterList("aaaa\nbbbb\ncccc", 10), "aaaa;bbbb");
  EXPECT_EQ(ChapterList("aaaaaaaaaaaa\nb", 10), "");
}

TEST_F(JobPathsTest, APathThatFitsIsKeptWhole) {
  const std::string path = "/" + std::string(258, 'p');
  AddWithOutput(path);
  ASSERT_TRUE(Added());
  EXPECT_EQ(std::string(Added0().outputPath), path);
}

TEST_F(JobPathsTest, APathTooLongRefusesTheJob) {
  AddWithOutput("/" + std::string(259, 'p'));
  EXPECT_FALSE(Added());
  EXPECT_TRUE(SlotIsZero(0));
  ASSERT_EQ(Titles(), (std::vector<std::string>{"JOB CAN NOT BE ADDED"}));
  EXPECT_EQ(LastMessage().rfind("The output path does not fit in a job (at most 259 bytes):\n\n/ppp", 0), 0u);

  ui().ClearPopups();
  Open("/" + std::string(300, 's') + "/BDMV/STREAM/00001.m2ts");
  AddToQueue();
  EXPECT_EQ(LastMessage().rfind("The source path does not fit in a job (at most 259 bytes):", 0), 0u);
  EXPECT_FALSE(Added());
}

TEST_F(JobPathsTest, DoubleQuotesAreRefused) {
  AddWithOutput("/out/The \"Film\"");
  EXPECT_FALSE(Added());
  EXPECT_EQ(Titles(), (std::vector<std::string>{"JOB CAN NOT BE ADDED"}));
  EXPECT_EQ(LastMessage(),
            "The output path holds a double quote (\"), which can not be given to the conversion tools:\n\n"
            "/out/The \"Film\"\n\nPlease rename it.");
  ui().ClearPopups();
  Open("/films/\"quoted\".m2ts");
  AddToQueue();
  EXPECT_EQ(LastMessage().rfind("The source path holds a double quote", 0), 0u);
  EXPECT_FALSE(Added());
}

TEST_F(JobPathsTest, AnOutputWithoutANameIsRefused) {
  AddWithOutput("/out/");
  EXPECT_EQ(LastMessage(), "The output path names no folder or file:\n\n/out/");
  EXPECT_FALSE(Added());
}

TEST_F(JobPathsTest, ASourceWithoutVideoIsRefused) {
  Add(test::Ac3(640));
  Open("/films/music.m2ts");
  AddToQueue();
  EXPECT_EQ(LastMessage(), "The source has no video track to convert.");
  EXPECT_FALSE(Added());
}

}  // namespace
