#pragma once
// What the Qt renderer keeps for each panel, control and menu bar.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QTreeWidgetItem>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "ui/qt/qt_toolkit.h"

namespace ui::qt {

using FireFn = std::function<void(int event, int data1, int data2)>;

struct QtToolkit::Control {
  const ControlDef* def = nullptr;
  QWidget* widget = nullptr;  // none for timers
  QLabel* caption = nullptr;  // the label above fields, rings and lists
  QTimer* timer = nullptr;
  std::vector<Value> values;                // item values of rings, lists and trees
  std::vector<QTreeWidgetItem*> treeItems;  // trees: items in display order
  std::map<Attr, Value> attrs;              // attributes no widget holds
};

struct QtToolkit::Panel {
  const PanelDef* def = nullptr;
  QWidget* window = nullptr;  // owns every widget of the panel
  QWidget* canvas = nullptr;  // where the controls sit
  int parent = 0;
  int menuBar = 0;
  std::map<int, std::unique_ptr<Control>> controls;
};

struct QtToolkit::MenuBar {
  const MenuBarDef* def = nullptr;
  int panel = 0;
  std::unique_ptr<QMenuBar> owned;  // context menus: not shown in a window
  QMenuBar* bar = nullptr;
  std::map<int, QAction*> actions;  // items and menus by id
  std::map<int, QMenu*> menus;
};

// "__X" marks the accelerator; Qt writes it "&X".
QString WithAccelerator(const std::string& label);
QString ToQ(const std::string& text);
std::string FromQ(const QString& text);

// Builds the widget of a control on `canvas` and wires its events.
std::unique_ptr<QtToolkit::Control> BuildControl(const ControlDef& def, QWidget* canvas, FireFn fire);
// The value of a control as the program sees it, by kind.
Value ReadControlValue(QtToolkit::Control& control);
void WriteControlValue(QtToolkit::Control& control, const Value& value);
// Attributes a control's widget holds.
Value ReadControlAttribute(QtToolkit::Control& control, Attr attr);
void WriteControlAttribute(QtToolkit::Control& control, Attr attr, const Value& value);
// Builds the menus of a menu bar; `fire` runs an item's callback.
void BuildMenus(QtToolkit::MenuBar& bar, std::function<void(int item)> fire);

}  // namespace ui::qt
