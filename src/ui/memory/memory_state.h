#pragma once
// What the headless renderer remembers of each panel, control and menu.

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "ui/uir_model.h"

namespace ui::memory {

struct ItemState {
  std::string label;
  Value value;
  int depth = 0;  // tree items: 0 for top-level lines
  std::map<Attr, Value> attrs;
};

struct CtrlState {
  const ControlDef* def = nullptr;
  Value value;
  std::map<Attr, Value> attrs;
  std::vector<ItemState> items;
  int index = -1;
  std::map<std::pair<int, int>, Value> cells;
  std::map<std::tuple<int, int, Attr>, Value> cellAttrs;
};

struct PanelState {
  const PanelDef* def = nullptr;
  int parent = 0;
  bool displayed = false;
  bool popup = false;
  int activeCtrl = 0;
  int menuBar = 0;
  std::map<Attr, Value> attrs;
  std::map<int, CtrlState> controls;
};

struct MenuBarState {
  const MenuBarDef* def = nullptr;
  int panel = 0;
  std::map<std::pair<int, Attr>, Value> attrs;
};

struct TimerState {
  double interval = 1.0;
  std::function<void()> tick;
  double due = 0;  // seconds on the loop's clock
};

// A fresh control holds what the definition gives it.
CtrlState InitialControl(const ControlDef& def);

}  // namespace ui::memory
