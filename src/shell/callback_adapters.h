#pragma once
// Callbacks made of the program's actions: a control acts on one event
// (the commit, unless told), a menu item when it is picked.

#include "ui/toolkit.h"

struct App;

namespace callbacks {

// An action of the main window.
inline ui::CtrlCallback On(App& app, void (*action)(App&), int wanted = ui::EVENT_COMMIT) {
  return [&app, action, wanted](int, int, int event, void*, int, int) {
    if (event == wanted) action(app);
    return 0;
  };
}

// An action of a dialog, which needs the dialog's handle.
inline ui::CtrlCallback On(App& app, void (*action)(App&, int panel)) {
  return [&app, action](int panel, int, int event, void*, int, int) {
    if (event == ui::EVENT_COMMIT) action(app, panel);
    return 0;
  };
}

inline ui::MenuCallback OnPick(App& app, void (*action)(App&)) {
  return [&app, action](int, int, void*, int) { action(app); };
}

// A menu switch, which checks or unchecks its own item.
inline ui::MenuCallback OnPick(App& app, void (*action)(App&, int menuBar, int item)) {
  return [&app, action](int menuBar, int item, void*, int) { action(app, menuBar, item); };
}

}  // namespace callbacks
