#pragma once
// Callbacks of features not built yet: bound, so the window works, and
// doing nothing.

#include "ui/toolkit.h"

namespace ui {

inline CtrlCallback NoOpControl() {
  return [](int, int, int, void*, int, int) { return 0; };
}
inline MenuCallback NoOpMenu() {
  return [](int, int, void*, int) {};
}

}  // namespace ui
