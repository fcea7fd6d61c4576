#include "ui/callback_table.h"

#include <algorithm>

#include "ui/uir_model.h"

namespace ui {

namespace {

bool Contains(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

std::vector<std::string> UnboundCallbacks(const UirModel& model, const CallbackTable& table) {
  std::vector<std::string> out;
  for (const auto& name : model.ControlCallbackNames())
    if (!table.controls.count(name) && !Contains(out, name)) out.push_back(name);
  for (const auto& name : model.MenuCallbackNames())
    if (!table.menus.count(name) && !Contains(out, name)) out.push_back(name);
  return out;
}

std::vector<std::string> UnusedCallbacks(const UirModel& model, const CallbackTable& table) {
  std::vector<std::string> out;
  auto controls = model.ControlCallbackNames();
  auto menus = model.MenuCallbackNames();
  for (const auto& [name, callback] : table.controls)
    if (!Contains(controls, name)) out.push_back(name);
  for (const auto& [name, callback] : table.menus)
    if (!Contains(menus, name)) out.push_back(name);
  return out;
}

}  // namespace ui
