#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTreeWidget>

#include "ui/qt/clickable_label.h"
#include "ui/qt/column_stop_delegate.h"
#include "ui/qt/qt_records.h"

namespace ui::qt {

namespace {

constexpr int kCaptionHeight = 18;

bool HasCaption(Kind kind) {
  switch (kind) {
    case Kind::String: case Kind::Numeric: case Kind::Ring: case Kind::TextBox:
    case Kind::Tree: case Kind::ListBox: case Kind::Table:
      return true;
    default:
      return false;
  }
}

QWidget* MakeButton(const ControlDef& def, QWidget* canvas, const FireFn& fire) {
  auto* button = new QPushButton(WithAccelerator(def.label), canvas);
  if (def.label.empty()) {  // the exit button shows a picture instead of words
    button->setIcon(button->style()->standardIcon(QStyle::SP_DialogCloseButton));
    button->setIconSize(QSize(32, 32));
    button->setToolTip("Exit");
  }
  QObject::connect(button, &QPushButton::clicked, [fire] { fire(EVENT_COMMIT, 0, 0); });
  return button;
}

QWidget* MakeNumeric(QWidget* canvas, const FireFn& fire) {
  auto* spin = new QSpinBox(canvas);
  spin->setRange(-999999999, 999999999);
  spin->setKeyboardTracking(false);  // a value is final when typed out
  QObject::connect(spin, &QSpinBox::valueChanged, [fire] {
    fire(EVENT_VAL_CHANGED, 0, 0);
    fire(EVENT_COMMIT, 0, 0);
  });
  return spin;
}

QWidget* MakeRing(QWidget* canvas, const FireFn& fire) {
  auto* combo = new QComboBox(canvas);
  QObject::connect(combo, &QComboBox::activated, [fire] {
    fire(EVENT_VAL_CHANGED, 0, 0);
    fire(EVENT_COMMIT, 0, 0);
  });
  return combo;
}

QWidget* MakeTree(QWidget* canvas, const FireFn& fire) {
  auto* tree = new QTreeWidget(canvas);
  tree->setHeaderHidden(true);
  // Lines padded with blanks line up only in a fixed-pitch font.
  tree->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  tree->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(tree, &QTreeWidget::itemSelectionChanged, [fire] { fire(EVENT_VAL_CHANGED, 0, 0); });
  QObject::connect(tree, &QTreeWidget::customContextMenuRequested, [tree, fire](const QPoint& at) {
    if (QTreeWidgetItem* item = tree->itemAt(at)) tree->setCurrentItem(item);
    const QPoint inPanel = tree->viewport()->mapTo(tree->window(), at);
    fire(EVENT_RIGHT_CLICK, inPanel.y(), inPanel.x());
  });
  return tree;
}

QWidget* MakeList(QWidget* canvas, const FireFn& fire) {
  auto* list = new QListWidget(canvas);
  list->setItemDelegate(new ColumnStopDelegate(list));
  QObject::connect(list, &QListWidget::currentRowChanged, [fire] { fire(EVENT_VAL_CHANGED, 0, 0); });
  return list;
}

QWidget* MakeTable(const ControlDef& def, QWidget* canvas) {
  auto* table = new QTableWidget(static_cast<int>(def.rowHeadings.size()), 1, canvas);
  QStringList headings;
  for (const auto& h : def.rowHeadings) headings << ToQ(h);
  table->setVerticalHeaderLabels(headings);
  table->horizontalHeader()->hide();
  table->horizontalHeader()->setStretchLastSection(true);
  return table;
}

QWidget* MakePicture(const ControlDef& def, QWidget* canvas, const FireFn& fire) {
  auto* picture = new ClickableLabel(canvas);
  picture->setText("<a href='#'>" + ToQ(def.label) + "</a>");
  picture->setAlignment(Qt::AlignCenter);
  picture->setCursor(Qt::PointingHandCursor);
  QObject::connect(picture, &ClickableLabel::clicked, [fire] {
    fire(EVENT_LEFT_CLICK, 0, 0);
    fire(EVENT_COMMIT, 0, 0);
  });
  return picture;
}

QWidget* MakeWidget(const ControlDef& def, QWidget* canvas, const FireFn& fire) {
  switch (def.kind) {
    case Kind::Command: return MakeButton(def, canvas, fire);
    case Kind::PictureButton: {
      auto* button = new QPushButton(canvas);
      button->setIcon(button->style()->standardIcon(QStyle::SP_MediaPlay));
      QObject::connect(button, &QPushButton::clicked, [fire] { fire(EVENT_COMMIT, 0, 0); });
      return button;
    }
    case Kind::String: {
      auto* edit = new QLineEdit(canvas);
      QObject::connect(edit, &QLineEdit::editingFinished, [fire] { fire(EVENT_COMMIT, 0, 0); });
      return edit;
    }
    case Kind::Numeric: return MakeNumeric(canvas, fire);
    case Kind::Ring: return MakeRing(canvas, fire);
    case Kind::Check: {
      auto* check = new QCheckBox(WithAccelerator(def.label), canvas);
      QObject::connect(check, &QCheckBox::clicked, [fire] { fire(EVENT_COMMIT, 0, 0); });
      return check;
    }
    case Kind::TextBox: return new QPlainTextEdit(canvas);
    case Kind::TextMsg: {
      auto* text = new QLabel(ToQ(def.label), canvas);
      text->setTextFormat(Qt::PlainText);
      return text;
    }
    case Kind::Tree: return MakeTree(canvas, fire);
    case Kind::ListBox: return MakeList(canvas, fire);
    case Kind::Table: return MakeTable(def, canvas);
    case Kind::Progress: {
      auto* bar = new QProgressBar(canvas);
      bar->setRange(0, 1000);
      bar->setValue(0);
      return bar;
    }
    case Kind::Picture: return MakePicture(def, canvas, fire);
    case Kind::WebBrowser: {
      auto* view = new QTextBrowser(canvas);
      view->setOpenExternalLinks(true);
      return view;
    }
    case Kind::Timer: return nullptr;
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<QtToolkit::Control> BuildControl(const ControlDef& def, QWidget* canvas, FireFn fire) {
  auto control = std::make_unique<QtToolkit::Control>();
  control->def = &def;
  if (def.kind == Kind::Timer) {
    control->timer = new QTimer(canvas);
    control->timer->setInterval(static_cast<int>(def.interval * 1000));
    QObject::connect(control->timer, &QTimer::timeout, [fire] { fire(EVENT_TIMER_TICK, 0, 0); });
    return control;
  }
  control->widget = MakeWidget(def, canvas, fire);
  control->widget->setGeometry(def.at.x, def.at.y, def.at.width, def.at.height);
  control->widget->setObjectName(ToQ(def.name));
  if (HasCaption(def.kind) && !def.label.empty()) {
    control->caption = new QLabel(WithAccelerator(def.label), canvas);
    // A caption may run past its control's width, as long as the panel has room.
    const int width = std::min(std::max(def.at.width, control->caption->sizeHint().width()), canvas->width() - def.at.x);
    control->caption->setGeometry(def.at.x, def.at.y - kCaptionHeight, width, kCaptionHeight - 2);
    control->caption->setBuddy(control->widget);
  }
  for (const auto& item : def.items) {
    if (auto* combo = qobject_cast<QComboBox*>(control->widget)) combo->addItem(ToQ(item.label));
    if (auto* list = qobject_cast<QListWidget*>(control->widget)) list->addItem(ToQ(item.label));
    control->values.push_back(item.value);
  }
  if (def.dimmed) control->widget->setEnabled(false);
  if (def.hidden) {
    control->widget->hide();
    if (control->caption) control->caption->hide();
  }
  if (auto* bar = qobject_cast<QProgressBar*>(control->widget)) bar->setFormat("%p%");
  return control;
}

}  // namespace ui::qt
