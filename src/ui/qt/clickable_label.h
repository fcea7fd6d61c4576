#pragma once
// A picture: a label that reports clicks.

#include <QLabel>
#include <QMouseEvent>

namespace ui::qt {

class ClickableLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) emit clicked();
    QLabel::mousePressEvent(event);
  }
};

}  // namespace ui::qt
