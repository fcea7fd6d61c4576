// The headless renderer behaves as the window does: ring values follow the
// selection, trees keep children under their line, popups are answered
// from the script and recorded, events reach the bound callbacks.

#include <gtest/gtest.h>

#include "harness/app_harness.h"
#include "ui/memory/memory_toolkit.h"

namespace {

using ui::memory::MemoryToolkit;
using ui::memory::PopupRecord;

struct Fixture : ::testing::Test {
  ui::CallbackTable callbacks;
  MemoryToolkit toolkit{test::WindowDefinition(), callbacks};
  int panel = toolkit.LoadPanel(0, PANEL);
};

TEST_F(Fixture, RingValueFollowsSelectionAndSetValueSelects) {
  EXPECT_EQ(ui::AsDouble(toolkit.GetCtrlVal(panel, PANEL_MEDIA)), 4700372992.0);
  toolkit.SetCtrlVal(panel, PANEL_MEDIA, -1.0);
  EXPECT_EQ(toolkit.GetCtrlIndex(panel, PANEL_MEDIA), 6);
  toolkit.SetCtrlVal(panel, PANEL_PRESETS, std::string("slow"));
  EXPECT_EQ(toolkit.GetCtrlIndex(panel, PANEL_PRESETS), 6);
  toolkit.SetCtrlVal(panel, PANEL_PRESETS, std::string("no such preset"));
  EXPECT_EQ(toolkit.GetCtrlIndex(panel, PANEL_PRESETS), 6);
  EXPECT_EQ(toolkit.GetNumListItems(panel, PANEL_S_AUDIO), 0);
  EXPECT_EQ(toolkit.GetCtrlIndex(panel, PANEL_S_AUDIO), -1);
  EXPECT_EQ(ui::AsInt(toolkit.GetCtrlVal(panel, PANEL_S_AUDIO)), 0);
}

TEST_F(Fixture, ListItemsInsertReplaceDeleteKeepTheSelection) {
  for (int i = 0; i < 3; ++i) toolkit.InsertListItem(panel, PANEL_S_AUDIO, -1, "track " + std::to_string(i), i);
  toolkit.SetCtrlIndex(panel, PANEL_S_AUDIO, 2);
  toolkit.ReplaceListItem(panel, PANEL_S_AUDIO, 2, "track two", 2);
  EXPECT_EQ(toolkit.GetCtrlIndex(panel, PANEL_S_AUDIO), 2);
  EXPECT_EQ(toolkit.GetLabelFromIndex(panel, PANEL_S_AUDIO, 2), "track two");
  toolkit.DeleteListItem(panel, PANEL_S_AUDIO, 0, 1);
  EXPECT_EQ(toolkit.GetCtrlIndex(panel, PANEL_S_AUDIO), 1);
  EXPECT_EQ(ui::AsInt(toolkit.GetCtrlVal(panel, PANEL_S_AUDIO)), 2);
  toolkit.ClearListCtrl(panel, PANEL_S_AUDIO);
  EXPECT_EQ(toolkit.GetNumListItems(panel, PANEL_S_AUDIO), 0);
}

TEST_F(Fixture, TreeChildrenFollowTheirLine) {
  int first = toolkit.InsertTreeItem(panel, PANEL_COLA2, ui::VAL_SIBLING, 0, ui::VAL_LAST, "job 3", 3);
  int second = toolkit.InsertTreeItem(panel, PANEL_COLA2, ui::VAL_SIBLING, first, ui::VAL_LAST, "job 7", 7);
  toolkit.InsertTreeItem(panel, PANEL_COLA2, ui::VAL_CHILD, first, ui::VAL_LAST, "detail a", 3);
  toolkit.InsertTreeItem(panel, PANEL_COLA2, ui::VAL_CHILD, first, ui::VAL_LAST, "detail b", 3);
  EXPECT_EQ(second, 1);
  std::vector<std::string> order;
  for (const auto& item : toolkit.Items(panel, PANEL_COLA2)) order.push_back(std::to_string(item.depth) + item.label);
  EXPECT_EQ(order, (std::vector<std::string>{"0job 3", "1detail a", "1detail b", "0job 7"}));
  toolkit.SetCtrlIndex(panel, PANEL_COLA2, 3);
  EXPECT_EQ(ui::AsInt(toolkit.GetCtrlVal(panel, PANEL_COLA2)), 7);
}

TEST_F(Fixture, PopupsAnswerFromTheScriptElseChangeNothing) {
  toolkit.Script().Answer(1);
  EXPECT_EQ(toolkit.ConfirmPopup("CONFIRM", "Are you sure?"), 1);
  EXPECT_EQ(toolkit.ConfirmPopup("CONFIRM", "Again?"), 0);
  EXPECT_EQ(toolkit.GenericMessagePopup("WARNING", "pick", "A", "B", "", 1, 0), 1);
  toolkit.Script().Choose("/media/film.mkv");
  auto file = toolkit.FileSelectPopup("/media", "*.mkv", "Video", "Open");
  EXPECT_TRUE(file.chosen);
  EXPECT_EQ(file.path, "/media/film.mkv");
  EXPECT_FALSE(toolkit.DirSelectPopup("/", "Folder").chosen);
  auto popups = toolkit.Popups();
  ASSERT_EQ(popups.size(), 5u);
  EXPECT_EQ(popups[0].message, "Are you sure?");
  EXPECT_EQ(popups[2].buttons, (std::vector<std::string>{"A", "B"}));
}

TEST(MemoryToolkitEvents, EventsReachTheBoundCallbackWithTheirNumbers) {
  ui::CallbackTable callbacks;
  std::vector<int> events;
  callbacks.Bind("CallGo", [&](int, int control, int event, void*, int, int) {
    EXPECT_EQ(control, PANEL_GO);
    events.push_back(event);
    return 0;
  });
  int menuItem = 0;
  callbacks.BindMenu("CallMenuExit", [&](int, int item, void*, int) { menuItem = item; });
  MemoryToolkit toolkit(test::WindowDefinition(), callbacks);
  int panel = toolkit.LoadPanel(0, PANEL);
  toolkit.FireCtrlEvent(panel, PANEL_GO, ui::EVENT_COMMIT);
  toolkit.FireCtrlEvent(panel, PANEL_GO, ui::EVENT_RIGHT_CLICK);
  toolkit.FireCtrlEvent(panel, PANEL_SOURCE, ui::EVENT_COMMIT);  // no callback: nothing happens
  EXPECT_EQ(events, (std::vector<int>{1, 5}));
  toolkit.FireMenuItem(toolkit.GetPanelMenuBar(panel), MENUBAR_FILE_EXIT);
  EXPECT_EQ(menuItem, MENUBAR_FILE_EXIT);
}

TEST(MemoryToolkitEvents, TimerControlsTickOnlyWhileEnabled) {
  ui::CallbackTable callbacks;
  int ticks = 0;
  callbacks.Bind("CallTimerStatus", [&](int, int, int event, void*, int, int) {
    ticks += event == ui::EVENT_TIMER_TICK;
    return 0;
  });
  MemoryToolkit toolkit(test::WindowDefinition(), callbacks);
  int panel = toolkit.LoadPanel(0, PANEL);
  toolkit.TickTimerControls();
  toolkit.SetCtrlAttribute(panel, PANEL_TIMER, ui::ATTR_ENABLED, 1);
  toolkit.TickTimerControls();
  toolkit.SetCtrlAttribute(panel, PANEL_TIMER, ui::ATTR_ENABLED, 0);
  toolkit.TickTimerControls();
  EXPECT_EQ(ticks, 1);
}

TEST(MemoryToolkitLoop, RunsPostedCallsAndTimersUntilQuit) {
  ui::CallbackTable callbacks;
  MemoryToolkit toolkit(test::WindowDefinition(), callbacks);
  int ticks = 0;
  int timer = toolkit.NewTimer(0.01, [&] {
    if (++ticks == 3) toolkit.QuitUserInterface(7);
  });
  std::thread other([&] { toolkit.PostDeferredCall([&] { ++ticks; }); });
  other.join();
  EXPECT_EQ(toolkit.RunUserInterface(), 7);
  EXPECT_GE(ticks, 3);
  toolkit.DiscardTimer(timer);
}

}  // namespace
