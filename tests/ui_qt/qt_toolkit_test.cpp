// The Qt renderer builds every control of the definition as a working
// widget, carries calls from other threads to the window's thread, and
// draws list labels in their columns. With QUANDRELL_SCREENSHOT_DIR set it
// also saves a picture of every panel there.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>
#include <thread>

#include "harness/app_harness.h"
#include "ui/qt/qt_toolkit.h"

namespace {

struct QtFixture : ::testing::Test {
  ui::CallbackTable callbacks;
  ui::qt::QtToolkit toolkit{test::WindowDefinition(), callbacks};
};

TEST_F(QtFixture, EveryControlOfEveryPanelIsAWidget) {
  for (const auto& def : test::WindowDefinition().panels) {
    const int panel = toolkit.LoadPanel(def.name == "PANEL" ? 0 : 1, def.id);
    ASSERT_GT(panel, 0) << def.name;
    QWidget* window = toolkit.PanelWidget(panel);
    for (const auto& c : def.controls) {
      if (c.kind == ui::Kind::Timer) continue;
      EXPECT_NE(window->findChild<QWidget*>(QString::fromStdString(c.name)), nullptr) << def.name << "_" << c.name;
    }
  }
}

TEST_F(QtFixture, ButtonsShowAcceleratorsAndMenusAreBuilt) {
  const int panel = toolkit.LoadPanel(0, PANEL);
  QWidget* window = toolkit.PanelWidget(panel);
  EXPECT_EQ(window->findChild<QPushButton*>("OPEN_BDMV")->text(), "Open &BD Folder");
  auto* media = window->findChild<QComboBox*>("MEDIA");
  EXPECT_EQ(media->count(), 8);
  EXPECT_EQ(media->itemText(7), "MKV Remux");
  auto* bar = window->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  QStringList menus;
  for (QAction* a : bar->actions()) menus << a->text();
  EXPECT_EQ(menus, (QStringList{"&File", "&Options", "&Help"}));
}

TEST_F(QtFixture, ValuesFollowTheProgramsCallsAndCommitsReachCallbacks) {
  int commits = 0;
  callbacks.Bind("CallGo", [&](int, int, int event, void*, int, int) {
    commits += event == ui::EVENT_COMMIT;
    return 0;
  });
  const int panel = toolkit.LoadPanel(0, PANEL);
  toolkit.SetCtrlVal(panel, PANEL_PRESETS, std::string("slow"));
  EXPECT_EQ(ui::AsText(toolkit.GetCtrlVal(panel, PANEL_PRESETS)), "slow");
  toolkit.SetCtrlAttribute(panel, PANEL_GO, ui::ATTR_LABEL_TEXT, std::string("__Stop Jobs"));
  auto* go = toolkit.PanelWidget(panel)->findChild<QPushButton*>("GO");
  EXPECT_EQ(go->text(), "&Stop Jobs");
  go->click();
  EXPECT_EQ(commits, 1);
  int first = toolkit.InsertTreeItem(panel, PANEL_COLA2, ui::VAL_SIBLING, 0, ui::VAL_LAST, "job", 4);
  toolkit.InsertTreeItem(panel, PANEL_COLA2, ui::VAL_CHILD, first, ui::VAL_LAST, "detail", 4);
  toolkit.InsertTreeItem(panel, PANEL_COLA2, ui::VAL_SIBLING, first, ui::VAL_LAST, "job 9", 9);
  auto* tree = toolkit.PanelWidget(panel)->findChild<QTreeWidget*>("COLA2");
  EXPECT_EQ(tree->topLevelItemCount(), 2);
  EXPECT_EQ(tree->topLevelItem(0)->childCount(), 1);
  toolkit.SetCtrlIndex(panel, PANEL_COLA2, 2);
  EXPECT_EQ(ui::AsInt(toolkit.GetCtrlVal(panel, PANEL_COLA2)), 9);
}

TEST_F(QtFixture, CallsFromAnotherThreadRunOnTheWindowsThread) {
  const int panel = toolkit.LoadPanel(0, PANEL);
  std::atomic<bool> done{false};
  std::thread worker([&] {
    toolkit.SetCtrlVal(panel, PANEL_ESTAT, std::string("from a worker"));
    done = true;
  });
  while (!done) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  worker.join();
  EXPECT_EQ(ui::AsText(toolkit.GetCtrlVal(panel, PANEL_ESTAT)), "from a worker");
}

TEST_F(QtFixture, ListLabelsAreDrawnAtTheirColumnStops) {
  const int panel = toolkit.LoadPanel(1, PAN_SCAN);
  toolkit.InsertListItem(panel, PAN_SCAN_LIST, -1, "\033p150lWWWW", 0);
  auto* list = toolkit.PanelWidget(panel)->findChild<QListWidget*>("LIST");
  toolkit.PanelWidget(panel)->show();
  list->resize(300, 60);
  list->setCurrentRow(-1);  // no highlight: only the text is dark
  QCoreApplication::processEvents();
  QImage image(list->viewport()->size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  list->viewport()->render(&painter);
  painter.end();
  const QRect row = list->visualItemRect(list->item(0));
  auto inkBetween = [&](int from, int to) {
    for (int x = from; x < to; ++x)
      for (int y = row.top(); y <= row.bottom(); ++y)
        if (qGray(image.pixel(x, y)) < 100) return true;
    return false;
  };
  EXPECT_FALSE(inkBetween(0, 150));
  EXPECT_TRUE(inkBetween(150, 300));
}

TEST_F(QtFixture, ClosingADialogsWindowPressesItsWayOut) {
  std::vector<std::string> pressed;
  for (const char* name : {"CallCloseScan", "CallCancelScan", "CallSettingsCancel"})
    callbacks.Bind(name, [&pressed, name](int, int, int event, void*, int, int) {
      if (event == ui::EVENT_COMMIT) pressed.push_back(name);
      return 0;
    });
  const int scan = toolkit.LoadPanel(1, PAN_SCAN);
  const int settings = toolkit.LoadPanel(1, PANEL_PREF);
  toolkit.PanelWidget(scan)->close();
  toolkit.PanelWidget(settings)->close();
  EXPECT_EQ(pressed, (std::vector<std::string>{"CallCloseScan", "CallSettingsCancel"}));
}

TEST_F(QtFixture, SavesPicturesOfThePanelsWhenAsked) {
  const QByteArray dir = qgetenv("QUANDRELL_SCREENSHOT_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "QUANDRELL_SCREENSHOT_DIR not set";
  for (const auto& def : test::WindowDefinition().panels) {
    const int panel = toolkit.LoadPanel(def.name == "PANEL" ? 0 : 1, def.id);
    QWidget* window = toolkit.PanelWidget(panel);
    window->show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->grab().save(dir + "/" + QByteArray::fromStdString(def.name) + ".png"));
  }
}

}  // namespace
