#include "ui/memory/memory_toolkit.h"

#include <algorithm>

#include "ui/tree_place.h"

namespace ui::memory {

namespace {

using Lock = std::lock_guard<std::recursive_mutex>;

bool HasItems(Kind kind) { return kind == Kind::Ring || kind == Kind::ListBox || kind == Kind::Tree; }

bool SameValue(const Value& item, const Value& wanted) {
  if (std::holds_alternative<std::string>(item)) return std::get<std::string>(item) == AsText(wanted);
  if (std::holds_alternative<double>(item)) return std::get<double>(item) == AsDouble(wanted);
  return std::get<int>(item) == AsInt(wanted);
}

Value EmptyValueOf(const ControlDef& def) {
  if (def.valueType == ValueType::Text) return std::string();
  if (def.valueType == ValueType::Real) return 0.0;
  return 0;
}

}  // namespace

MemoryToolkit::MemoryToolkit(const UirModel& model, const CallbackTable& callbacks, bool echoPopups)
    : model_(model), callbacks_(callbacks), echoPopups_(echoPopups) {}

PanelState& MemoryToolkit::Panel(int panel) {
  auto it = panels_.find(panel);
  if (it != panels_.end()) return it->second;
  nullPanel_ = PanelState();
  return nullPanel_;
}

CtrlState& MemoryToolkit::Ctrl(int panel, int control) {
  auto p = panels_.find(panel);
  if (p != panels_.end()) {
    auto c = p->second.controls.find(control);
    if (c != p->second.controls.end()) return c->second;
  }
  nullCtrl_ = CtrlState();
  return nullCtrl_;
}

const CtrlState* MemoryToolkit::FindCtrl(int panel, int control) const {
  auto p = panels_.find(panel);
  if (p == panels_.end()) return nullptr;
  auto c = p->second.controls.find(control);
  return c == p->second.controls.end() ? nullptr : &c->second;
}

int MemoryToolkit::LoadPanel(int parent, int panelResource) {
  Lock lock(mutex_);
  const PanelDef* def = model_.FindPanel(panelResource);
  if (!def) return -1;
  int handle = nextHandle_++;
  PanelState& p = panels_[handle];
  p.def = def;
  p.parent = parent;
  for (const auto& c : def->controls) p.controls[c.id] = InitialControl(c);
  if (!def->menuBar.empty()) {
    if (const MenuBarDef* bar = model_.FindMenuBar(def->menuBar)) p.menuBar = LoadMenuBar(handle, bar->id);
  }
  return handle;
}

void MemoryToolkit::DisplayPanel(int panel) {
  Lock lock(mutex_);
  Panel(panel).displayed = true;
}

void MemoryToolkit::InstallPopup(int panel) {
  Lock lock(mutex_);
  Panel(panel).displayed = true;
  Panel(panel).popup = true;
}

void MemoryToolkit::DiscardPanel(int panel) {
  Lock lock(mutex_);
  std::vector<int> children;
  for (const auto& [handle, p] : panels_)
    if (p.parent == panel) children.push_back(handle);
  for (int child : children) DiscardPanel(child);
  auto it = panels_.find(panel);
  if (it == panels_.end()) return;
  if (it->second.menuBar) menuBars_.erase(it->second.menuBar);
  for (auto t = controlTimersDue_.begin(); t != controlTimersDue_.end();)
    t = t->first.first == panel ? controlTimersDue_.erase(t) : std::next(t);
  panels_.erase(it);
}

void MemoryToolkit::SetPanelAttribute(int panel, Attr attr, const Value& value) {
  Lock lock(mutex_);
  Panel(panel).attrs[attr] = value;
}

Value MemoryToolkit::GetPanelAttribute(int panel, Attr attr) {
  Lock lock(mutex_);
  PanelState& p = Panel(panel);
  auto it = p.attrs.find(attr);
  if (it != p.attrs.end()) return it->second;
  if (attr == ATTR_TITLE) return p.def ? p.def->title : std::string();
  if (attr == ATTR_VISIBLE) return p.displayed ? 1 : 0;
  return 0;
}

Value MemoryToolkit::GetCtrlVal(int panel, int control) {
  Lock lock(mutex_);
  CtrlState& c = Ctrl(panel, control);
  if (!c.def || !HasItems(c.def->kind)) return c.value;
  if (c.index < 0 || c.index >= static_cast<int>(c.items.size())) return EmptyValueOf(*c.def);
  return c.items[c.index].value;
}

void MemoryToolkit::SetCtrlVal(int panel, int control, const Value& value) {
  {
    Lock lock(mutex_);
    CtrlState& c = Ctrl(panel, control);
    if (!c.def) return;
    if (!HasItems(c.def->kind)) {
      c.value = value;
    } else {
      for (size_t i = 0; i < c.items.size(); ++i)
        if (SameValue(c.items[i].value, value)) {
          c.index = static_cast<int>(i);
          break;
        }
    }
  }
  Changed(panel, control);
}

void MemoryToolkit::SetChangeObserver(std::function<void(int, int)> observer) {
  Lock lock(mutex_);
  observer_ = std::move(observer);
}

void MemoryToolkit::Changed(int panel, int control) {
  std::function<void(int, int)> observer;
  {
    Lock lock(mutex_);
    observer = observer_;
  }
  if (observer) observer(panel, control);
}

Value MemoryToolkit::GetCtrlAttribute(int panel, int control, Attr attr) {
  Lock lock(mutex_);
  CtrlState& c = Ctrl(panel, control);
  auto it = c.attrs.find(attr);
  if (it != c.attrs.end()) return it->second;
  if (!c.def) return 0;
  switch (attr) {
    case ATTR_DIMMED: return c.def->dimmed ? 1 : 0;
    case ATTR_VISIBLE: return c.def->hidden ? 0 : 1;
    case ATTR_LABEL_TEXT: return c.def->label;
    case ATTR_INTERVAL: return c.def->interval;
    case ATTR_TEXT_BGCOLOR: return VAL_WHITE;
    default: return 0;
  }
}

void MemoryToolkit::SetCtrlAttribute(int panel, int control, Attr attr, const Value& value) {
  {
    Lock lock(mutex_);
    CtrlState& c = Ctrl(panel, control);
    if (!c.def) return;
    c.attrs[attr] = value;
    if (c.def->kind == Kind::Timer && attr == ATTR_ENABLED) {
      if (AsInt(value)) controlTimersDue_[{panel, control}] = 0;
      else controlTimersDue_.erase({panel, control});
    }
  }
  Changed(panel, control);
}

void MemoryToolkit::SetActiveCtrl(int panel, int control) {
  Lock lock(mutex_);
  Panel(panel).activeCtrl = control;
}

int MemoryToolkit::GetActiveCtrl(int panel) {
  Lock lock(mutex_);
  return Panel(panel).activeCtrl;
}

void MemoryToolkit::ResetTextBox(int panel, int control, const std::string& text) {
  SetCtrlVal(panel, control, text);
}

void MemoryToolkit::InsertListItem(int panel, int control, int index, const std::string& label,
                                   const Value& value) {
  Lock lock(mutex_);
  CtrlState& c = Ctrl(panel, control);
  const int count = static_cast<int>(c.items.size());
  const int at = index < 0 || index > count ? count : index;
  c.items.insert(c.items.begin() + at, {label, value, 0, {}});
  if (c.index < 0) c.index = 0;
  else if (at <= c.index && count > 0) ++c.index;
}

void MemoryToolkit::ReplaceListItem(int panel, int control, int index, const std::string& label,
                                    const Value& value) {
  Lock lock(mutex_);
  CtrlState& c = Ctrl(panel, control);
  if (index < 0 || index >= static_cast<int>(c.items.size())) return;
  c.items[index].label = label;
  c.items[index].value = value;
}

void MemoryToolkit::DeleteListItem(int panel, int control, int index, int count) {
  Lock lock(mutex_);
  CtrlState& c = Ctrl(panel, control);
  const int size = static_cast<int>(c.items.size());
  if (index < 0 || index >= size) return;
  const int end = count < 0 ? size : std::min(size, index + count);
  c.items.erase(c.items.begin() + index, c.items.begin() + end);
  if (c.index >= end) c.index -= end - index;
  else if (c.index >= index) c.index = std::min(index, static_cast<int>(c.items.size()) - 1);
}

void MemoryToolkit::ClearListCtrl(int panel, int control) {
  Lock lock(mutex_);
  CtrlState& c = Ctrl(panel, control);
  c.items.clear();
  c.index = -1;
}

int MemoryToolkit::GetNumListItems(int panel, int control) {
  Lock lock(mutex_);
  return static_cast<int>(Ctrl(panel, control).items.size());
}

int MemoryToolkit::GetCtrlIndex(int panel, int control) {
  Lock lock(mutex_);
  return Ctrl(panel, control).index;
}

void MemoryToolkit::SetCtrlIndex(int panel, int control, int index) {
  Lock lock(mutex_);
  CtrlState& c = Ctrl(panel, control);
  if (index >= 0 && index < static_cast<int>(c.items.size())) c.index = index;
}

std::string MemoryToolkit::GetLabelFromIndex(int panel, int control, int index) {
  Lock lock(mutex_);
  CtrlState& c = Ctrl(panel, control);
  if (index < 0 || index >= static_cast<int>(c.items.size())) return {};
  return c.items[index].label;
}

Value MemoryToolkit::GetValueFromIndex(int panel, int control, int index) {
  Lock lock(mutex_);
  CtrlState& c = Ctrl(panel, control);
  if (index < 0 || index >= static_cast<int>(c.items.size())) return c.def ? EmptyValueOf(*c.def) : Value(0);
  return c.items[index].value;
}

int MemoryToolkit::InsertTreeItem(int panel, int control, TreeRelation relation, int relativeIndex,
                                  int /*position*/, const std::string& label, const Value& value) {
  Lock lock(mutex_);
  CtrlState& c = Ctrl(panel, control);
  if (!c.def) return -1;
  std::vector<int> depths;
  for (const auto& item : c.items) depths.push_back(item.depth);
  auto [at, depth] = TreeInsertPlace(depths, relation, relativeIndex);
  c.items.insert(c.items.begin() + at, {label, value, depth, {}});
  if (c.index < 0) c.index = 0;
  else if (at <= c.index) ++c.index;
  return at;
}

void MemoryToolkit::SetTreeItemAttribute(int panel, int control, int index, Attr attr,
                                         const Value& value) {
  Lock lock(mutex_);
  CtrlState& c = Ctrl(panel, control);
  if (index >= 0 && index < static_cast<int>(c.items.size())) c.items[index].attrs[attr] = value;
}

Value MemoryToolkit::GetTableCellVal(int panel, int control, int row, int column) {
  Lock lock(mutex_);
  CtrlState& c = Ctrl(panel, control);
  auto it = c.cells.find({row, column});
  return it == c.cells.end() ? Value(std::string()) : it->second;
}

void MemoryToolkit::SetTableCellVal(int panel, int control, int row, int column, const Value& value) {
  Lock lock(mutex_);
  Ctrl(panel, control).cells[{row, column}] = value;
}

void MemoryToolkit::SetTableCellAttribute(int panel, int control, int row, int column, Attr attr,
                                          const Value& value) {
  Lock lock(mutex_);
  Ctrl(panel, control).cellAttrs[{row, column, attr}] = value;
}

Value MemoryToolkit::GetTableCellAttribute(int panel, int control, int row, int column, Attr attr) {
  Lock lock(mutex_);
  CtrlState& c = Ctrl(panel, control);
  auto it = c.cellAttrs.find({row, column, attr});
  return it == c.cellAttrs.end() ? Value(0) : it->second;
}

void MemoryToolkit::ShowWebPage(int panel, int control, const std::string& url) {
  if (!url.empty()) SetCtrlVal(panel, control, url);
}

int MemoryToolkit::PanelHandle(int panelResource) const {
  Lock lock(mutex_);
  int handle = 0;
  for (const auto& [h, p] : panels_)
    if (p.def && p.def->id == panelResource) handle = h;
  return handle;
}

bool MemoryToolkit::PanelExists(int panel) const {
  Lock lock(mutex_);
  return panels_.count(panel) != 0;
}

bool MemoryToolkit::IsPopupInstalled(int panel) const {
  Lock lock(mutex_);
  auto it = panels_.find(panel);
  return it != panels_.end() && it->second.popup;
}

std::vector<ItemState> MemoryToolkit::Items(int panel, int control) const {
  Lock lock(mutex_);
  const CtrlState* c = FindCtrl(panel, control);
  return c ? c->items : std::vector<ItemState>{};
}

std::string MemoryToolkit::WebPage(int panel, int control) const {
  Lock lock(mutex_);
  const CtrlState* c = FindCtrl(panel, control);
  return c ? AsText(c->value) : std::string();
}

bool MemoryToolkit::WaitCursor() const {
  Lock lock(mutex_);
  return waitCursor_;
}

void MemoryToolkit::SetWaitCursor(bool on) {
  Lock lock(mutex_);
  waitCursor_ = on;
}

}  // namespace ui::memory
