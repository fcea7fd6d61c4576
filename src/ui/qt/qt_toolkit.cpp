#include "ui/qt/qt_toolkit.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QThread>

#include "ui/qt/panel_windows.h"
#include "ui/qt/qt_records.h"

namespace ui::qt {

QtToolkit::QtToolkit(const UirModel& model, const CallbackTable& callbacks)
    : model_(model), callbacks_(callbacks), dispatcher_(std::make_unique<QObject>()) {}

QtToolkit::~QtToolkit() {
  closing_ = true;
  // Dialogs belong to their parent's window: each window goes once.
  std::vector<QPointer<QWidget>> windows;
  for (auto& [handle, panel] : panels_) windows.emplace_back(panel->window);
  for (auto& window : windows) delete window.data();
}

void QtToolkit::OnUi(std::function<void()> work) {
  if (QThread::currentThread() == dispatcher_->thread()) return work();
  if (closing_) return;
  QMetaObject::invokeMethod(dispatcher_.get(), work, Qt::BlockingQueuedConnection);
}

void QtToolkit::Shutdown() {
  closing_ = true;
  QCoreApplication::processEvents();
}

QtToolkit::Panel* QtToolkit::FindPanel(int panel) {
  auto it = panels_.find(panel);
  return it == panels_.end() ? nullptr : it->second.get();
}

QtToolkit::Control* QtToolkit::FindControl(int panel, int control) {
  Panel* p = FindPanel(panel);
  if (!p) return nullptr;
  auto it = p->controls.find(control);
  return it == p->controls.end() ? nullptr : it->second.get();
}

QWidget* QtToolkit::PanelWidget(int panel) {
  return OnUi<QWidget*>([=, this]() -> QWidget* {
    Panel* p = FindPanel(panel);
    return p ? p->window : nullptr;
  }, nullptr);
}

QWidget* QtToolkit::DialogParent() {
  if (QWidget* active = QApplication::activeModalWidget()) return active;
  Panel* main = FindPanel(mainPanel_);
  return main ? main->window : nullptr;
}

void QtToolkit::Fire(int panel, int control, int event, int data1, int data2) {
  Control* c = FindControl(panel, control);
  if (!c || c->def->callback.empty()) return;
  auto it = callbacks_.controls.find(c->def->callback);
  if (it != callbacks_.controls.end()) it->second(panel, control, event, nullptr, data1, data2);
}

int QtToolkit::LoadPanel(int parent, int panelResource) {
  return OnUi<int>([=, this] {
    const PanelDef* def = model_.FindPanel(panelResource);
    if (!def) return -1;
    const int handle = nextHandle_++;
    auto panel = std::make_unique<Panel>();
    panel->def = def;
    panel->parent = parent;
    Panel* owner = FindPanel(parent);
    // The window's own close button presses the panel's way out.
    auto closeBy = [this, handle, def] {
      for (const char* name : {"CLOSE", "CANCEL", "SALIR"})
        for (const auto& c : def->controls)
          if (c.name == name) return Fire(handle, c.id, EVENT_COMMIT);
    };
    if (parent == 0) {
      auto* window = new MainPanelWindow;
      window->onClose = closeBy;
      panel->canvas = new QWidget(window);
      window->setCentralWidget(panel->canvas);
      panel->window = window;
      if (mainPanel_ == 0) mainPanel_ = handle;
    } else {
      auto* dialog = new PanelDialog(owner ? owner->window : nullptr);
      dialog->onClose = closeBy;
      panel->canvas = dialog;
      panel->window = dialog;
    }
    panel->canvas->setFixedSize(def->width, def->height);
    panel->window->setWindowTitle(ToQ(def->title));
    for (const auto& c : def->controls)
      panel->controls[c.id] = BuildControl(c, panel->canvas, [this, handle, id = c.id](int event, int d1, int d2) {
        Fire(handle, id, event, d1, d2);
      });
    panels_[handle] = std::move(panel);
    if (!def->menuBar.empty())
      if (const MenuBarDef* bar = model_.FindMenuBar(def->menuBar)) panels_[handle]->menuBar = LoadMenuBar(handle, bar->id);
    return handle;
  }, -1);
}

void QtToolkit::DisplayPanel(int panel) {
  OnUi([=, this] {
    if (Panel* p = FindPanel(panel)) p->window->show();
  });
}

void QtToolkit::InstallPopup(int panel) {
  OnUi([=, this] {
    Panel* p = FindPanel(panel);
    if (!p) return;
    p->window->setWindowModality(Qt::ApplicationModal);
    p->window->show();
  });
}

void QtToolkit::DiscardPanel(int panel) {
  OnUi([=, this] {
    std::vector<int> children;
    for (const auto& [handle, p] : panels_)
      if (p->parent == panel) children.push_back(handle);
    for (int child : children) DiscardPanel(child);
    auto it = panels_.find(panel);
    if (it == panels_.end()) return;
    if (it->second->menuBar) menuBars_.erase(it->second->menuBar);
    it->second->window->hide();
    it->second->window->deleteLater();
    panels_.erase(it);
    if (panel == mainPanel_) mainPanel_ = 0;
  });
}

void QtToolkit::SetPanelAttribute(int panel, Attr attr, const Value& value) {
  OnUi([=, this] {
    Panel* p = FindPanel(panel);
    if (p && attr == ATTR_TITLE) p->window->setWindowTitle(ToQ(AsText(value)));
  });
}

Value QtToolkit::GetPanelAttribute(int panel, Attr attr) {
  return OnUi<Value>([=, this]() -> Value {
    Panel* p = FindPanel(panel);
    if (!p) return 0;
    if (attr == ATTR_TITLE) return FromQ(p->window->windowTitle());
    if (attr == ATTR_VISIBLE) return p->window->isVisible() ? 1 : 0;
    return 0;
  }, 0);
}

Value QtToolkit::GetCtrlVal(int panel, int control) {
  return OnUi<Value>([=, this]() -> Value {
    Control* c = FindControl(panel, control);
    return c && c->widget ? ReadControlValue(*c) : Value(0);
  }, 0);
}

void QtToolkit::SetCtrlVal(int panel, int control, const Value& value) {
  OnUi([=, this] {
    if (Control* c = FindControl(panel, control)) WriteControlValue(*c, value);
  });
}

Value QtToolkit::GetCtrlAttribute(int panel, int control, Attr attr) {
  return OnUi<Value>([=, this]() -> Value {
    Control* c = FindControl(panel, control);
    return c ? ReadControlAttribute(*c, attr) : Value(0);
  }, 0);
}

void QtToolkit::SetCtrlAttribute(int panel, int control, Attr attr, const Value& value) {
  OnUi([=, this] {
    if (Control* c = FindControl(panel, control)) WriteControlAttribute(*c, attr, value);
  });
}

void QtToolkit::SetActiveCtrl(int panel, int control) {
  OnUi([=, this] {
    Control* c = FindControl(panel, control);
    if (c && c->widget) c->widget->setFocus();
  });
}

int QtToolkit::GetActiveCtrl(int panel) {
  return OnUi<int>([=, this] {
    Panel* p = FindPanel(panel);
    if (!p) return 0;
    for (const auto& [id, c] : p->controls)
      if (c->widget && c->widget->hasFocus()) return id;
    return 0;
  }, 0);
}

void QtToolkit::ResetTextBox(int panel, int control, const std::string& text) { SetCtrlVal(panel, control, text); }

int QtToolkit::RunUserInterface() {
  quitting_ = false;
  return QApplication::exec();
}

void QtToolkit::QuitUserInterface(int code) {
  OnUi([=, this] {
    quitting_ = true;
    QCoreApplication::exit(code);
  });
}

int QtToolkit::NewTimer(double intervalSeconds, std::function<void()> tick) {
  return OnUi<int>([=, this] {
    auto* timer = new QTimer(dispatcher_.get());
    timer->setInterval(static_cast<int>(intervalSeconds * 1000));
    QObject::connect(timer, &QTimer::timeout, tick);
    timer->start();
    const int id = nextTimer_++;
    timers_[id] = timer;
    return id;
  }, 0);
}

void QtToolkit::DiscardTimer(int timer) {
  OnUi([=, this] {
    auto it = timers_.find(timer);
    if (it == timers_.end()) return;
    delete it->second.data();
    timers_.erase(it);
  });
}

void QtToolkit::PostDeferredCall(std::function<void()> work) {
  if (closing_) return;
  QMetaObject::invokeMethod(dispatcher_.get(), std::move(work), Qt::QueuedConnection);
}

void QtToolkit::SetWaitCursor(bool on) {
  OnUi([=] {
    if (on) QApplication::setOverrideCursor(Qt::WaitCursor);
    else QApplication::restoreOverrideCursor();
  });
}

void QtToolkit::RaiseMainWindow() {
  OnUi([this] {
    Panel* main = FindPanel(mainPanel_);
    if (!main) return;
    main->window->showNormal();
    main->window->raise();
    main->window->activateWindow();
  });
}

}  // namespace ui::qt
