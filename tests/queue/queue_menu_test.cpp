// The queue's context menu: which items a job allows, opening its folders
// and the error log, and deleting its source.

#include <filesystem>

#include "platform/fixed_text.h"
#include "queue/queue_fixture.h"

namespace {

namespace fs = std::filesystem;
using platform::CopyFixed;
using test::QueueTest;
using ui::memory::PopupRecord;

class QueueMenuTest : public QueueTest {
 protected:
  // The item ran when the menu offered it (a dimmed one answers 0).
  bool Offered(int item) {
    ChooseFromMenu(item);
    return h.ui().Popups().back().kind == PopupRecord::ContextMenu && h.ui().Popups().back().answer == item;
  }
  std::string Folder(const std::string& name) {
    const std::string path = h.dir() / name;
    fs::create_directories(path);
    return path;
  }
  // A Blu-ray root of a finished job, with the source in the tree.
  int FinishedBlurayJobAt(const std::string& root) {
    Job job = test::BlurayJob();
    CopyFixed(job.sourceBdFolder, root);
    CopyFixed(job.sourceFile, root + "/BDMV/PLAYLIST/00800.mpls");
    Put(0, job, JobFinished);
    Select(0);
    return 0;
  }
};

TEST_F(QueueMenuTest, ItemsFollowTheJobsState) {
  Put(0, test::BlurayJob(), JobFailed);
  Select(0);
  EXPECT_FALSE(Offered(MENUL_POPUP_OPEN));
  EXPECT_FALSE(Offered(MENUL_POPUP_REMOVE));
  EXPECT_TRUE(Offered(MENUL_POPUP_OPENS));
  EXPECT_TRUE(Offered(MENUL_POPUP_ERROR));
  EXPECT_EQ(h.opener().Opened().size(), 2u);

  StoreState(app().queue[0], JobFinished);
  EXPECT_FALSE(Offered(MENUL_POPUP_ERROR));
  EXPECT_TRUE(Offered(MENUL_POPUP_OPEN));

  StoreState(app().queue[0], JobPending);
  EXPECT_FALSE(Offered(MENUL_POPUP_OPEN));
  EXPECT_FALSE(Offered(MENUL_POPUP_REMOVE));
  EXPECT_TRUE(Offered(MENUL_POPUP_OPENS));
}

TEST_F(QueueMenuTest, OpensTheOutputSourceAndErrorLogOfTheSelectedJob) {
  platform::CopyFixed(app().settings.OutPath, "/home/user/MKV");
  platform::CopyFixed(app().settings.TempPath, "/home/user/.cache/Quandrell");
  Put(0, test::BlurayJob(), JobFinished);
  Put(1, test::MkvRemuxJob(), JobFinished);
  Select(0);
  ChooseFromMenu(MENUL_POPUP_OPEN);
  ChooseFromMenu(MENUL_POPUP_OPENS);
  Select(1);
  ChooseFromMenu(MENUL_POPUP_OPEN);
  ChooseFromMenu(MENUL_POPUP_OPENS);
  StoreState(app().queue[1], JobFailed);
  ChooseFromMenu(MENUL_POPUP_ERROR);
  EXPECT_EQ(h.opener().Opened(), (std::vector<std::string>{
                                     "/home/user/AVCHD/Movie",
                                     "/media/discs/MOVIE",
                                     "/home/user/MKV",
                                     "/home/user/Videos",
                                     "/home/user/.cache/Quandrell/error_log.txt",
                                 }));
}

TEST_F(QueueMenuTest, RemoveAndDeleteSourceDeletesABlurayRootAndRemovesTheJob) {
  const std::string root = Folder("discs/MOVIE");
  test::WriteFile(root + "/BDMV/STREAM/00001.m2ts", "ts");
  test::WriteFile(h.dir() / "discs/OTHER/keep.txt", "keep");
  FinishedBlurayJobAt(root);
  ChooseFromMenu(MENUL_POPUP_REMOVE);
  EXPECT_FALSE(fs::exists(root));
  EXPECT_TRUE(fs::exists(h.dir() / "discs/OTHER/keep.txt"));
  EXPECT_EQ(State(0), JobFree);
  EXPECT_EQ(h.ui().Popups().back().kind, PopupRecord::ContextMenu);
}

TEST_F(QueueMenuTest, AFolderWithoutBdmvIsNeverDeleted) {
  const std::string folder = Folder("Videos");
  test::WriteFile(folder + "/holiday.mp4", "mine");
  FinishedBlurayJobAt(folder);
  ChooseFromMenu(MENUL_POPUP_REMOVE);
  EXPECT_TRUE(fs::exists(folder + "/holiday.mp4"));
  EXPECT_EQ(State(0), JobFree);
  EXPECT_EQ(h.ui().Popups().back().title, "WARNING");
  EXPECT_EQ(h.ui().Popups().back().message, "The source was not deleted: " + folder + " holds no BDMV folder.");
}

TEST_F(QueueMenuTest, TheHomeFolderIsNeverDeletedEvenWithABdmvFolder) {
  const std::string home = h.dir() / "home";
  fs::create_directories(home + "/BDMV");
  test::WriteFile(home + "/notes.txt", "mine");
  FinishedBlurayJobAt(home);
  ChooseFromMenu(MENUL_POPUP_REMOVE);
  EXPECT_TRUE(fs::exists(home + "/notes.txt"));
  EXPECT_EQ(h.ui().Popups().back().message,
            "The source was not deleted: " + home + " may not be deleted (home folder or above it).");
}

TEST_F(QueueMenuTest, AnMkvJobLosesOnlyItsSourceFile) {
  const std::string folder = Folder("Videos");
  test::WriteFile(folder + "/Movie.mkv", "mkv");
  test::WriteFile(folder + "/Other.mkv", "mkv");
  Job job = test::MkvRemuxJob();
  CopyFixed(job.sourceFile, folder + "/Movie.mkv");
  Put(0, job, JobFinished);
  Select(0);
  ChooseFromMenu(MENUL_POPUP_REMOVE);
  EXPECT_FALSE(fs::exists(folder + "/Movie.mkv"));
  EXPECT_TRUE(fs::exists(folder + "/Other.mkv"));
  EXPECT_EQ(h.ui().Popups().back().kind, PopupRecord::ContextMenu);

  CopyFixed(job.sourceFile, folder);  // damaged: a folder as the MKV file
  Put(0, job, JobFinished);
  Select(0);
  ChooseFromMenu(MENUL_POPUP_REMOVE);
  EXPECT_TRUE(fs::exists(folder + "/Other.mkv"));
  EXPECT_EQ(h.ui().Popups().back().message, "The source was not deleted: " + folder + " is not a file.");
}

TEST_F(QueueMenuTest, AStreamFileSourceIsKeptAndTheUserTold) {
  const std::string file = h.dir() / "00001.m2ts";
  test::WriteFile(file, "ts");
  Job job = test::BlurayJob();
  CopyFixed(job.sourceFile, file);
  CopyFixed(job.sourceBdFolder, "");
  Put(0, job, JobFinished);
  Select(0);
  ChooseFromMenu(MENUL_POPUP_REMOVE);
  EXPECT_TRUE(fs::exists(file));
  EXPECT_EQ(State(0), JobFree);
  EXPECT_EQ(h.ui().Popups().back().message,
            "The source was not deleted: only a Blu-ray folder or the file of an MKV source is deleted.");
}

}  // namespace
