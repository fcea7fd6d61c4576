#include "ui/memory/memory_state.h"

namespace ui::memory {

CtrlState InitialControl(const ControlDef& def) {
  CtrlState c;
  c.def = &def;
  switch (def.kind) {
    case Kind::String:
    case Kind::TextBox:
    case Kind::WebBrowser:
      c.value = std::string();
      break;
    case Kind::TextMsg:
      c.value = def.label;
      break;
    case Kind::Numeric:
      c.value = def.valueType == ValueType::Real ? Value(0.0) : Value(0);
      break;
    default:
      c.value = 0;
  }
  for (const auto& item : def.items) c.items.push_back({item.label, item.value, 0, {}});
  if (!c.items.empty()) c.index = 0;
  return c;
}

}  // namespace ui::memory
