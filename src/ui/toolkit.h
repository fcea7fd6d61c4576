#pragma once
// The toolkit contract: everything the program asks of a window system.
// Business code talks only to this interface; ui::qt draws real widgets and
// ui::memory keeps everything in memory for tests and headless runs.
// Every member may be called from any thread: a renderer serialises calls
// with its user-interface thread.

#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace ui {

// Control events, numbered as the callbacks expect them.
enum Event {
  EVENT_NONE = 0,
  EVENT_COMMIT = 1,
  EVENT_VAL_CHANGED = 2,
  EVENT_LEFT_CLICK = 3,
  EVENT_RIGHT_CLICK = 5,
  EVENT_TIMER_TICK = 15,
};

// Control, panel, menu and tree-item attributes.
enum Attr {
  ATTR_DIMMED,          // int 0/1
  ATTR_VISIBLE,         // int 0/1
  ATTR_LABEL_TEXT,      // text (controls, progress bar label)
  ATTR_TEXT_COLOR,      // int 0xRRGGBB
  ATTR_TEXT_BGCOLOR,    // int 0xRRGGBB
  ATTR_MAX_VALUE,       // int
  ATTR_ENABLED,         // int 0/1: timer controls
  ATTR_INTERVAL,        // double seconds: timer controls
  ATTR_TITLE,           // text: panels
  ATTR_CHECKED,         // int 0/1: menu items
  ATTR_COLLAPSED,       // int 0/1: tree items (1 keeps a job line folded)
  ATTR_LABEL_COLOR,     // int 0xRRGGBB: tree items
};

constexpr int VAL_BLACK = 0x000000;
constexpr int VAL_WHITE = 0xFFFFFF;
constexpr int VAL_RED = 0xFF0000;
constexpr int VAL_DK_GREEN = 0x008000;

// Control values and attribute values are integers, reals or text,
// depending on the control kind and the ring's value type.
using Value = std::variant<int, double, std::string>;

int AsInt(const Value& v);
double AsDouble(const Value& v);
std::string AsText(const Value& v);

using CtrlCallback =
    std::function<int(int panel, int control, int event, void* data, int eventData1, int eventData2)>;
using MenuCallback = std::function<void(int menuBar, int menuItem, void* data, int panel)>;

// Relations for InsertTreeItem.
enum TreeRelation { VAL_SIBLING = 0, VAL_CHILD = 1 };
constexpr int VAL_LAST = -1;  // append

struct FontChoice {
  std::string face;
  int pointSize = 0;
  unsigned color = 0;  // red in the lowest byte, then green, then blue
};

struct FileChoice {
  bool chosen = false;
  std::string path;
};

class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // Panels. LoadPanel returns a handle (> 0) or a negative number when the
  // window definition lacks the panel.
  virtual int LoadPanel(int parent, int panelResource) = 0;
  virtual void DisplayPanel(int panel) = 0;
  virtual void InstallPopup(int panel) = 0;  // modal, returns at once
  virtual void DiscardPanel(int panel) = 0;
  virtual void SetPanelAttribute(int panel, Attr attr, const Value& value) = 0;
  virtual Value GetPanelAttribute(int panel, Attr attr) = 0;

  // Control values and attributes.
  virtual Value GetCtrlVal(int panel, int control) = 0;
  virtual void SetCtrlVal(int panel, int control, const Value& value) = 0;
  virtual Value GetCtrlAttribute(int panel, int control, Attr attr) = 0;
  virtual void SetCtrlAttribute(int panel, int control, Attr attr, const Value& value) = 0;
  virtual void SetActiveCtrl(int panel, int control) = 0;
  virtual int GetActiveCtrl(int panel) = 0;
  virtual void ResetTextBox(int panel, int control, const std::string& text) = 0;

  // Lists, rings and trees share item operations; trees add a hierarchy.
  virtual void InsertListItem(int panel, int control, int index, const std::string& label,
                              const Value& value) = 0;
  virtual void ReplaceListItem(int panel, int control, int index, const std::string& label,
                               const Value& value) = 0;
  virtual void DeleteListItem(int panel, int control, int index, int count) = 0;
  virtual void ClearListCtrl(int panel, int control) = 0;
  virtual int GetNumListItems(int panel, int control) = 0;
  virtual int GetCtrlIndex(int panel, int control) = 0;  // -1 when empty
  virtual void SetCtrlIndex(int panel, int control, int index) = 0;
  virtual std::string GetLabelFromIndex(int panel, int control, int index) = 0;
  virtual Value GetValueFromIndex(int panel, int control, int index) = 0;
  virtual int InsertTreeItem(int panel, int control, TreeRelation relation, int relativeIndex,
                             int position, const std::string& label, const Value& value) = 0;
  virtual void SetTreeItemAttribute(int panel, int control, int index, Attr attr,
                                    const Value& value) = 0;

  // Tables (rows and columns count from 1).
  virtual Value GetTableCellVal(int panel, int control, int row, int column) = 0;
  virtual void SetTableCellVal(int panel, int control, int row, int column,
                               const Value& value) = 0;
  virtual void SetTableCellAttribute(int panel, int control, int row, int column, Attr attr,
                                     const Value& value) = 0;

  // Menus. The menu bar of a panel is loaded with the panel; context menus
  // are loaded on demand and run at the mouse position.
  virtual int GetPanelMenuBar(int panel) = 0;
  virtual int LoadMenuBar(int panel, int menuBarResource) = 0;
  virtual void DiscardMenuBar(int menuBar) = 0;
  virtual void SetMenuBarAttribute(int menuBar, int item, Attr attr, const Value& value) = 0;
  virtual Value GetMenuBarAttribute(int menuBar, int item, Attr attr) = 0;
  // Shows the menu; runs the chosen item's callback; returns its id or 0.
  virtual int RunPopupMenu(int menuBar, int menu, int panel, int top, int left) = 0;

  // Modal popups.
  virtual int MessagePopup(const std::string& title, const std::string& message) = 0;
  virtual int ConfirmPopup(const std::string& title, const std::string& message) = 0;  // 1 yes
  // Buttons without a label are not shown; returns 1, 2 or 3.
  virtual int GenericMessagePopup(const std::string& title, const std::string& message,
                                  const std::string& button1, const std::string& button2,
                                  const std::string& button3, int enterButton,
                                  int escapeButton) = 0;
  virtual FileChoice FileSelectPopup(const std::string& startPath, const std::string& pattern,
                                     const std::string& filterLabel, const std::string& title) = 0;
  virtual FileChoice DirSelectPopup(const std::string& startFolder, const std::string& title) = 0;
  virtual bool FontSelectPopup(const std::string& title, FontChoice& font) = 0;

  // Event loop and timers. Timer callbacks run on the user-interface thread.
  virtual int RunUserInterface() = 0;
  virtual void QuitUserInterface(int code) = 0;
  virtual int NewTimer(double intervalSeconds, std::function<void()> tick) = 0;
  virtual void DiscardTimer(int timer) = 0;
  // Runs work on the user-interface thread without waiting for it.
  virtual void PostDeferredCall(std::function<void()> work) = 0;
  virtual void SetWaitCursor(bool on) = 0;
  virtual void RaiseMainWindow() = 0;
  // The banner area shows the page at this address (empty: leave it as is).
  virtual void ShowWebPage(int panel, int control, const std::string& url) = 0;
};

}  // namespace ui
