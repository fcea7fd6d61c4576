#pragma once
// The product's renderer: panels as Qt widgets. Calls from other threads
// are carried to the user-interface thread and wait for it there.

#include <QObject>
#include <QThread>
#include <QPointer>
#include <atomic>
#include <map>
#include <memory>

#include "ui/callback_table.h"
#include "ui/toolkit.h"
#include "ui/uir_model.h"

class QMainWindow;
class QNetworkAccessManager;
class QMenu;
class QTimer;
class QWidget;
class QTreeWidgetItem;

namespace ui::qt {

class QtToolkit : public Toolkit {
 public:
  // A QApplication must exist. `callbacks` may be filled after this.
  QtToolkit(const UirModel& model, const CallbackTable& callbacks);
  ~QtToolkit() override;

  // After the event loop: new calls from other threads return at once,
  // and what they queued before is run.
  void Shutdown();
  // The top-level widget of a panel, for screenshots and tests.
  QWidget* PanelWidget(int panel);

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
  void RaiseMainWindow() override;
  void ShowWebPage(int panel, int control, const std::string& url) override;

  struct Control;
  struct Panel;
  struct MenuBar;

 private:
  // Runs `work` on the user-interface thread and returns its result.
  template <typename R>
  R OnUi(std::function<R()> work, R fallback);
  void OnUi(std::function<void()> work);

  Control* FindControl(int panel, int control);
  Panel* FindPanel(int panel);
  void Fire(int panel, int control, int event, int data1 = 0, int data2 = 0);
  void FireMenu(int menuBar, int item);
  QWidget* DialogParent();

  const UirModel& model_;
  const CallbackTable& callbacks_;
  std::unique_ptr<QObject> dispatcher_;
  std::map<int, std::unique_ptr<Panel>> panels_;
  std::map<int, std::unique_ptr<MenuBar>> menuBars_;
  std::map<int, QPointer<QTimer>> timers_;
  QNetworkAccessManager* network_ = nullptr;  // the banner page
  std::atomic<bool> closing_{false};
  bool quitting_ = false;  // the event loop was asked to end (UI thread only)
  int nextHandle_ = 1;
  int nextTimer_ = 1;
  int mainPanel_ = 0;
};

template <typename R>
inline R QtToolkit::OnUi(std::function<R()> work, R fallback) {
  if (QThread::currentThread() == dispatcher_->thread()) return work();
  if (closing_) return fallback;
  R result = fallback;
  QMetaObject::invokeMethod(dispatcher_.get(), [&] { result = work(); }, Qt::BlockingQueuedConnection);
  return result;
}

}  // namespace ui::qt
