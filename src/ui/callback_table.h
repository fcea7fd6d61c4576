#pragma once
// Callbacks are bound by the names the window definition gives them.

#include <map>
#include <string>
#include <vector>

#include "ui/toolkit.h"

namespace ui {

struct UirModel;

struct CallbackTable {
  std::map<std::string, CtrlCallback> controls;
  std::map<std::string, MenuCallback> menus;

  void Bind(const std::string& name, CtrlCallback callback) { controls[name] = std::move(callback); }
  void BindMenu(const std::string& name, MenuCallback callback) { menus[name] = std::move(callback); }
};

// Names the definition uses that have no binding.
std::vector<std::string> UnboundCallbacks(const UirModel& model, const CallbackTable& table);
// Bindings that no control or menu item of the definition uses.
std::vector<std::string> UnusedCallbacks(const UirModel& model, const CallbackTable& table);

}  // namespace ui
