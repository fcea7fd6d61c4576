#include <QCursor>
#include <QMainWindow>

#include "ui/qt/qt_records.h"

namespace ui::qt {

namespace {

void AddItems(QtToolkit::MenuBar& bar, QMenu* menu, const std::vector<MenuItemDef>& items,
              const std::function<void(int)>& fire) {
  for (const auto& item : items) {
    if (item.separator) {
      menu->addSeparator();
    } else if (!item.submenu.empty()) {
      QMenu* sub = menu->addMenu(WithAccelerator(item.label));
      bar.actions[item.id] = sub->menuAction();
      AddItems(bar, sub, item.submenu, fire);
    } else {
      QAction* action = menu->addAction(WithAccelerator(item.label));
      const int id = item.id;
      QObject::connect(action, &QAction::triggered, [fire, id] { fire(id); });
      bar.actions[id] = action;
    }
  }
}

}  // namespace

void BuildMenus(QtToolkit::MenuBar& bar, std::function<void(int item)> fire) {
  for (const auto& menu : bar.def->menus) {
    QMenu* qmenu = bar.bar->addMenu(WithAccelerator(menu.label));
    bar.menus[menu.id] = qmenu;
    bar.actions[menu.id] = qmenu->menuAction();
    AddItems(bar, qmenu, menu.items, fire);
  }
}

void QtToolkit::FireMenu(int menuBar, int item) {
  auto bar = menuBars_.find(menuBar);
  if (bar == menuBars_.end()) return;
  const MenuItemDef* def = bar->second->def->FindItem(item);
  if (!def || def->callback.empty()) return;
  auto it = callbacks_.menus.find(def->callback);
  if (it != callbacks_.menus.end()) it->second(menuBar, item, nullptr, bar->second->panel);
}

int QtToolkit::GetPanelMenuBar(int panel) {
  return OnUi<int>([=, this] {
    Panel* p = FindPanel(panel);
    return p ? p->menuBar : 0;
  }, 0);
}

int QtToolkit::LoadMenuBar(int panel, int menuBarResource) {
  return OnUi<int>([=, this] {
    const MenuBarDef* def = model_.FindMenuBar(menuBarResource);
    if (!def) return -1;
    const int handle = nextHandle_++;
    auto bar = std::make_unique<MenuBar>();
    bar->def = def;
    bar->panel = panel;
    Panel* p = FindPanel(panel);
    auto* window = p ? qobject_cast<QMainWindow*>(p->window) : nullptr;
    // The panel's own bar is shown in its window; others are context menus.
    if (window && !p->menuBar && def->name == p->def->menuBar) {
      bar->bar = window->menuBar();
    } else {
      bar->owned = std::make_unique<QMenuBar>();
      bar->bar = bar->owned.get();
    }
    BuildMenus(*bar, [this, handle](int item) { FireMenu(handle, item); });
    menuBars_[handle] = std::move(bar);
    return handle;
  }, -1);
}

void QtToolkit::DiscardMenuBar(int menuBar) {
  OnUi([=, this] { menuBars_.erase(menuBar); });
}

void QtToolkit::SetMenuBarAttribute(int menuBar, int item, Attr attr, const Value& value) {
  OnUi([=, this] {
    auto bar = menuBars_.find(menuBar);
    if (bar == menuBars_.end()) return;
    auto action = bar->second->actions.find(item);
    if (action == bar->second->actions.end()) return;
    if (attr == ATTR_CHECKED) {
      action->second->setCheckable(true);
      action->second->setChecked(AsInt(value) != 0);
    }
    if (attr == ATTR_DIMMED) action->second->setEnabled(AsInt(value) == 0);
  });
}

Value QtToolkit::GetMenuBarAttribute(int menuBar, int item, Attr attr) {
  return OnUi<Value>([=, this]() -> Value {
    auto bar = menuBars_.find(menuBar);
    if (bar == menuBars_.end()) return 0;
    auto action = bar->second->actions.find(item);
    if (action == bar->second->actions.end()) return 0;
    if (attr == ATTR_CHECKED) return action->second->isChecked() ? 1 : 0;
    if (attr == ATTR_DIMMED) return action->second->isEnabled() ? 0 : 1;
    return 0;
  }, 0);
}

int QtToolkit::RunPopupMenu(int menuBar, int menu, int panel, int top, int left) {
  return OnUi<int>([=, this] {
    auto bar = menuBars_.find(menuBar);
    if (bar == menuBars_.end()) return 0;
    auto qmenu = bar->second->menus.find(menu);
    if (qmenu == bar->second->menus.end()) return 0;
    Panel* p = FindPanel(panel);
    const QPoint at = p ? p->window->mapToGlobal(QPoint(left, top)) : QCursor::pos();
    QAction* chosen = qmenu->second->exec(at);
    for (const auto& [id, action] : bar->second->actions)
      if (action == chosen) return id;  // its callback ran when it was triggered
    return 0;
  }, 0);
}

}  // namespace ui::qt
