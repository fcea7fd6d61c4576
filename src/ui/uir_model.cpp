#include "ui/uir_model.h"

namespace ui {

namespace {

const MenuItemDef* FindIn(const std::vector<MenuItemDef>& items, int itemId) {
  for (const auto& item : items) {
    if (!item.separator && item.id == itemId) return &item;
    if (const auto* found = FindIn(item.submenu, itemId)) return found;
  }
  return nullptr;
}

void ItemConstants(const std::string& prefix, const std::vector<MenuItemDef>& items,
                   std::vector<UirConstant>& out) {
  for (const auto& item : items) {
    if (item.separator) continue;
    out.push_back({prefix + "_" + item.name, item.id});
    ItemConstants(prefix + "_" + item.name, item.submenu, out);
  }
}

void ItemCallbacks(const std::vector<MenuItemDef>& items, std::vector<std::string>& out) {
  for (const auto& item : items) {
    if (!item.callback.empty()) out.push_back(item.callback);
    ItemCallbacks(item.submenu, out);
  }
}

}  // namespace

const ControlDef* PanelDef::FindControl(int controlId) const {
  for (const auto& c : controls)
    if (c.id == controlId) return &c;
  return nullptr;
}

const MenuItemDef* MenuBarDef::FindItem(int itemId) const {
  for (const auto& menu : menus)
    if (const auto* found = FindIn(menu.items, itemId)) return found;
  return nullptr;
}

const PanelDef* UirModel::FindPanel(int resourceId) const {
  for (const auto& p : panels)
    if (p.id == resourceId) return &p;
  return nullptr;
}

const MenuBarDef* UirModel::FindMenuBar(int resourceId) const {
  for (const auto& b : menuBars)
    if (b.id == resourceId) return &b;
  return nullptr;
}

const MenuBarDef* UirModel::FindMenuBar(const std::string& name) const {
  for (const auto& b : menuBars)
    if (b.name == name) return &b;
  return nullptr;
}

std::vector<UirConstant> UirModel::Constants() const {
  std::vector<UirConstant> out;
  for (const auto& p : panels) {
    out.push_back({p.name, p.id});
    for (const auto& c : p.controls) out.push_back({p.name + "_" + c.name, c.id});
  }
  for (const auto& b : menuBars) {
    out.push_back({b.name, b.id});
    for (const auto& m : b.menus) {
      out.push_back({b.name + "_" + m.name, m.id});
      ItemConstants(b.name + "_" + m.name, m.items, out);
    }
  }
  return out;
}

std::vector<std::string> UirModel::ControlCallbackNames() const {
  std::vector<std::string> out;
  for (const auto& p : panels)
    for (const auto& c : p.controls)
      if (!c.callback.empty()) out.push_back(c.callback);
  return out;
}

std::vector<std::string> UirModel::MenuCallbackNames() const {
  std::vector<std::string> out;
  for (const auto& b : menuBars)
    for (const auto& m : b.menus) ItemCallbacks(m.items, out);
  return out;
}

}  // namespace ui
