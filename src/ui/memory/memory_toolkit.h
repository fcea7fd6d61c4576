#pragma once
// The headless renderer: panels and controls live in memory, popups are
// recorded and answered from a script, and a test fires the events a user
// would cause. It also serves runs without a display.

#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>

#include "ui/callback_table.h"
#include "ui/memory/memory_state.h"
#include "ui/memory/popup_script.h"
#include "ui/toolkit.h"

namespace ui::memory {

class MemoryToolkit : public Toolkit {
 public:
  // With echoPopups every popup's title and text also go to standard error.
  MemoryToolkit(const UirModel& model, const CallbackTable& callbacks, bool echoPopups = false);

  // --- What a test does as the user -------------------------------------
  PopupScript& Script() { return script_; }
  std::vector<PopupRecord> Popups() const;
  void ClearPopups();
  // Runs the control's callback with the event, as the window would.
  int FireCtrlEvent(int panel, int control, int event, int eventData1 = 0, int eventData2 = 0);
  // Sets the value, then fires EVENT_COMMIT (a user's choice in a ring, a typed text).
  int SetAndCommit(int panel, int control, const Value& value);
  void FireMenuItem(int menuBar, int item);
  void FireTimer(int timer);
  // One tick of every enabled timer control of every panel.
  void TickTimerControls();
  // Runs the calls posted with PostDeferredCall; returns how many ran.
  int RunDeferredCalls();

  // Called after a control's value or an attribute was set, on the
  // caller's thread: a headless run follows the progress controls with it.
  void SetChangeObserver(std::function<void(int panel, int control)> observer);

  // --- What a test looks at ----------------------------------------------
  // The handle of the newest loaded instance of a panel resource, or 0.
  int PanelHandle(int panelResource) const;
  bool PanelExists(int panel) const;
  bool IsPopupInstalled(int panel) const;
  std::vector<ItemState> Items(int panel, int control) const;
  std::string WebPage(int panel, int control) const;
  bool WaitCursor() const;
  bool QuitRequested() const;

  // --- The toolkit contract ----------------------------------------------
  int LoadPanel(int parent, int panelResource) override;
  void DisplayPanel(int panel) override;
  void InstallPopup(int panel) override;
  void DiscardPanel(int panel) override;
  void SetPanelAttribute(int panel, Attr attr, const Value& value) override;
  Value GetPanelAttribute(int panel, Attr attr) override;
  Value GetCtrlVal(int panel, int control) override;
  void SetCtrlVal(int panel, int control, const Value& value) override;
  Value GetCtrlAttribute(int panel, int control, Attr attr) override;
  void SetCtrlAttribute(int panel, int control, Attr attr, const Value& value) override;
  void SetActiveCtrl(int panel, int control) override;
  int GetActiveCtrl(int panel) override;
  void ResetTextBox(int panel, int control, const std::string& text) override;
  void InsertListItem(int panel, int control, int index, const std::string& label,
                      const Value& value) override;
  void ReplaceListItem(int panel, int control, int index, const std::string& label,
                       const Value& value) override;
  void DeleteListItem(int panel, int control, int index, int count) override;
  void ClearListCtrl(int panel, int control) override;
  int GetNumListItems(int panel, int control) override;
  int GetCtrlIndex(int panel, int control) override;
  void SetCtrlIndex(int panel, int control, int index) override;
  std::string GetLabelFromIndex(int panel, int control, int index) override;
  Value GetValueFromIndex(int panel, int control, int index) override;
  int InsertTreeItem(int panel, int control, TreeRelation relation, int relativeIndex,
                     int position, const std::string& label, const Value& value) override;
  void SetTreeItemAttribute(int panel, int control, int index, Attr attr,
                            const Value& value) override;
  Value GetTableCellVal(int panel, int control, int row, int column) override;
  void SetTableCellVal(int panel, int control, int row, int column, const Value& value) override;
  void SetTableCellAttribute(int panel, int control, int row, int column, Attr attr,
                             const Value& value) override;
  Value GetTableCellAttribute(int panel, int control, int row, int column, Attr attr);
  int GetPanelMenuBar(int panel) override;
  int LoadMenuBar(int panel, int menuBarResource) override;
  void DiscardMenuBar(int menuBar) override;
  void SetMenuBarAttribute(int menuBar, int item, Attr attr, const Value& value) override;
  Value GetMenuBarAttribute(int menuBar, int item, Attr attr) override;
  int RunPopupMenu(int menuBar, int menu, int panel, int top, int left) override;
  int MessagePopup(const std::string& title, const std::string& message) override;
  int ConfirmPopup(const std::string& title, const std::string& message) override;
  int GenericMessagePopup(const std::string& title, const std::string& message,
                          const std::string& button1, const std::string& button2,
                          const std::string& button3, int enterButton, int escapeButton) override;
  FileChoice FileSelectPopup(const std::string& startPath, const std::string& pattern,
                             const std::string& filterLabel, const std::string& title) override;
  FileChoice DirSelectPopup(const std::string& startFolder, const std::string& title) override;
  bool FontSelectPopup(const std::string& title, FontChoice& font) override;
  int RunUserInterface() override;
  void QuitUserInterface(int code) override;
  int NewTimer(double intervalSeconds, std::function<void()> tick) override;
  void DiscardTimer(int timer) override;
  void PostDeferredCall(std::function<void()> work) override;
  void SetWaitCursor(bool on) override;
  void RaiseMainWindow() override {}
  void ShowWebPage(int panel, int control, const std::string& url) override;

 private:
  CtrlState& Ctrl(int panel, int control);
  void Changed(int panel, int control);
  const CtrlState* FindCtrl(int panel, int control) const;
  PanelState& Panel(int panel);
  int Record(PopupRecord record);
  void RunDueTimers(double now);
  double NextDue() const;

  const UirModel& model_;
  const CallbackTable& callbacks_;
  const bool echoPopups_;
  mutable std::recursive_mutex mutex_;
  std::condition_variable_any wake_;
  std::map<int, PanelState> panels_;
  std::map<int, MenuBarState> menuBars_;
  std::map<int, TimerState> timers_;
  std::map<std::pair<int, int>, double> controlTimersDue_;
  std::deque<std::function<void()>> deferred_;
  std::vector<PopupRecord> popups_;
  PopupScript script_;
  std::function<void(int, int)> observer_;
  int nextHandle_ = 1;
  int nextTimer_ = 1;
  bool waitCursor_ = false;
  bool quit_ = false;
  int quitCode_ = 0;
  CtrlState nullCtrl_;
  PanelState nullPanel_;
};

}  // namespace ui::memory
