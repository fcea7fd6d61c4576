#pragma once
// The window definition in memory: panels with their controls, and menu
// bars, as read from "Quandrell.uir". Both renderers build from it.

#include <optional>
#include <string>
#include <vector>

#include "ui/toolkit.h"

namespace ui {

enum class Kind {
  Command, String, Numeric, Ring, Check, TextBox, TextMsg, Tree, ListBox,
  Table, Progress, Timer, Picture, PictureButton, WebBrowser,
};

enum class ValueType { Int, Real, Text };

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
};

struct ItemDef {
  std::string label;
  Value value;
};

struct ControlDef {
  std::string name;  // constant name as declared, e.g. OPEN_BDMV
  Kind kind = Kind::Command;
  std::string label;
  std::string callback;  // empty: the control raises no handled events
  ValueType valueType = ValueType::Int;
  std::vector<ItemDef> items;        // rings stored with the panel
  std::vector<std::string> rowHeadings;  // tables: one value column, headed rows
  Rect at;
  double interval = 1.0;  // timers
  bool dimmed = false;
  bool hidden = false;
  int id = 0;
};

struct PanelDef {
  std::string name;
  std::string title;
  int width = 0, height = 0;
  std::string menuBar;
  std::vector<ControlDef> controls;
  int id = 0;

  const ControlDef* FindControl(int controlId) const;
};

struct MenuItemDef {
  std::string name;
  std::string label;
  std::string callback;
  bool separator = false;
  std::vector<MenuItemDef> submenu;  // non-empty for a submenu
  int id = 0;
};

struct MenuDef {
  std::string name;
  std::string label;
  std::vector<MenuItemDef> items;
  int id = 0;
};

struct MenuBarDef {
  std::string name;
  std::vector<MenuDef> menus;
  int id = 0;

  const MenuItemDef* FindItem(int itemId) const;
};

// One constant of the definition: its C name (PANEL_OPEN_BDMV) and number.
struct UirConstant {
  std::string name;
  int value = 0;
};

struct UirModel {
  std::vector<PanelDef> panels;
  std::vector<MenuBarDef> menuBars;

  const PanelDef* FindPanel(int resourceId) const;
  const MenuBarDef* FindMenuBar(int resourceId) const;
  const MenuBarDef* FindMenuBar(const std::string& name) const;
  // Every constant, in definition order, named as the code names them.
  std::vector<UirConstant> Constants() const;
  // Every callback name the definition uses, control and menu callbacks.
  std::vector<std::string> ControlCallbackNames() const;
  std::vector<std::string> MenuCallbackNames() const;
};

struct UirParseResult {
  std::optional<UirModel> model;
  std::string error;  // "line N: ..." when model is empty
};

UirParseResult ParseUir(const std::string& text);
UirParseResult LoadUirFile(const std::string& path);

}  // namespace ui
