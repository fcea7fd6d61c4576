#pragma once
// Windows of panels. Closing one by its title-bar button or by Escape does
// what its own Cancel, Close or exit button does, so that no window can
// vanish behind the program's back.

#include <QCloseEvent>
#include <QDialog>
#include <QMainWindow>
#include <functional>

namespace ui::qt {

class MainPanelWindow : public QMainWindow {
 public:
  std::function<void()> onClose;

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    if (onClose) onClose();
  }
};

class PanelDialog : public QDialog {
 public:
  using QDialog::QDialog;
  std::function<void()> onClose;

  void reject() override {
    if (onClose) onClose();
  }

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    reject();
  }
};

}  // namespace ui::qt
