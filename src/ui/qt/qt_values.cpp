#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTextBrowser>
#include <QTreeWidget>

#include "ui/qt/qt_records.h"

namespace ui::qt {

namespace {

Value EmptyOf(const ControlDef& def) {
  if (def.valueType == ValueType::Text) return std::string();
  if (def.valueType == ValueType::Real) return 0.0;
  return 0;
}

bool Same(const Value& item, const Value& wanted) {
  if (std::holds_alternative<std::string>(item)) return std::get<std::string>(item) == AsText(wanted);
  if (std::holds_alternative<double>(item)) return std::get<double>(item) == AsDouble(wanted);
  return std::get<int>(item) == AsInt(wanted);
}

int CurrentIndex(QtToolkit::Control& c) {
  if (auto* combo = qobject_cast<QComboBox*>(c.widget)) return combo->currentIndex();
  if (auto* list = qobject_cast<QListWidget*>(c.widget)) return list->currentRow();
  if (auto* tree = qobject_cast<QTreeWidget*>(c.widget)) {
    for (size_t i = 0; i < c.treeItems.size(); ++i)
      if (c.treeItems[i] == tree->currentItem()) return static_cast<int>(i);
  }
  return -1;
}

void SelectIndex(QtToolkit::Control& c, int index) {
  const QSignalBlocker quiet(c.widget);
  if (auto* combo = qobject_cast<QComboBox*>(c.widget)) combo->setCurrentIndex(index);
  if (auto* list = qobject_cast<QListWidget*>(c.widget)) list->setCurrentRow(index);
  if (auto* tree = qobject_cast<QTreeWidget*>(c.widget)) tree->setCurrentItem(c.treeItems[index]);
}

QString ColorSheet(int rgb) { return QString("color: #%1;").arg(rgb & 0xFFFFFF, 6, 16, QChar('0')); }

}  // namespace

Value ReadControlValue(QtToolkit::Control& c) {
  QWidget* w = c.widget;
  if (!c.values.empty() || qobject_cast<QComboBox*>(w) || qobject_cast<QListWidget*>(w) ||
      qobject_cast<QTreeWidget*>(w)) {
    int index = CurrentIndex(c);
    return index >= 0 && index < static_cast<int>(c.values.size()) ? c.values[index] : EmptyOf(*c.def);
  }
  if (auto* edit = qobject_cast<QLineEdit*>(w)) return FromQ(edit->text());
  if (auto* box = qobject_cast<QPlainTextEdit*>(w)) return FromQ(box->toPlainText());
  if (auto* spin = qobject_cast<QSpinBox*>(w)) return spin->value();
  if (auto* check = qobject_cast<QCheckBox*>(w)) return check->isChecked() ? 1 : 0;
  if (auto* bar = qobject_cast<QProgressBar*>(w)) return bar->value();
  if (auto* view = qobject_cast<QTextBrowser*>(w)) return FromQ(view->source().toString());
  if (auto* label = qobject_cast<QLabel*>(w)) return FromQ(label->text());
  return 0;
}

void WriteControlValue(QtToolkit::Control& c, const Value& value) {
  QWidget* w = c.widget;
  if (!w) return;
  const QSignalBlocker quiet(w);
  if (qobject_cast<QComboBox*>(w) || qobject_cast<QListWidget*>(w) || qobject_cast<QTreeWidget*>(w)) {
    for (size_t i = 0; i < c.values.size(); ++i)
      if (Same(c.values[i], value)) return SelectIndex(c, static_cast<int>(i));
    return;
  }
  if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->setText(ToQ(AsText(value)));
  if (auto* box = qobject_cast<QPlainTextEdit*>(w)) return box->setPlainText(ToQ(AsText(value)));
  if (auto* spin = qobject_cast<QSpinBox*>(w)) return spin->setValue(AsInt(value));
  if (auto* check = qobject_cast<QCheckBox*>(w)) return check->setChecked(AsInt(value) != 0);
  if (auto* bar = qobject_cast<QProgressBar*>(w)) return bar->setValue(AsInt(value));
  if (auto* label = qobject_cast<QLabel*>(w)) return label->setText(ToQ(AsText(value)));
}

Value ReadControlAttribute(QtToolkit::Control& c, Attr attr) {
  if (auto it = c.attrs.find(attr); it != c.attrs.end()) return it->second;
  switch (attr) {
    case ATTR_DIMMED: return c.timer ? 0 : (c.widget->isEnabled() ? 0 : 1);
    case ATTR_VISIBLE: return c.timer ? 0 : (c.widget->isHidden() ? 0 : 1);
    case ATTR_ENABLED: return c.timer && c.timer->isActive() ? 1 : 0;
    case ATTR_INTERVAL: return c.timer ? c.timer->interval() / 1000.0 : 0.0;
    case ATTR_LABEL_TEXT: return c.def->label;
    case ATTR_MAX_VALUE:
      if (auto* spin = qobject_cast<QSpinBox*>(c.widget)) return spin->maximum();
      return 0;
    case ATTR_TEXT_BGCOLOR: return VAL_WHITE;
    default: return 0;
  }
}

void WriteControlAttribute(QtToolkit::Control& c, Attr attr, const Value& value) {
  if (c.timer) {
    if (attr == ATTR_ENABLED) AsInt(value) ? c.timer->start() : c.timer->stop();
    if (attr == ATTR_INTERVAL) c.timer->setInterval(static_cast<int>(AsDouble(value) * 1000));
    return;
  }
  QWidget* w = c.widget;
  switch (attr) {
    case ATTR_DIMMED:
      w->setEnabled(AsInt(value) == 0);
      return;
    case ATTR_VISIBLE:
      w->setVisible(AsInt(value) != 0);
      if (c.caption) c.caption->setVisible(AsInt(value) != 0);
      return;
    case ATTR_LABEL_TEXT:
      c.attrs[attr] = value;
      if (auto* button = qobject_cast<QPushButton*>(w)) button->setText(WithAccelerator(AsText(value)));
      else if (auto* check = qobject_cast<QCheckBox*>(w)) check->setText(WithAccelerator(AsText(value)));
      else if (auto* bar = qobject_cast<QProgressBar*>(w))
        bar->setFormat(AsText(value).empty() ? "%p%" : ToQ(AsText(value)) + "   %p%");
      else if (c.caption) c.caption->setText(WithAccelerator(AsText(value)));
      return;
    case ATTR_TEXT_COLOR:
      c.attrs[attr] = value;
      w->setStyleSheet(ColorSheet(AsInt(value)));
      return;
    case ATTR_MAX_VALUE:
      if (auto* spin = qobject_cast<QSpinBox*>(w)) spin->setMaximum(AsInt(value));
      return;
    default:
      c.attrs[attr] = value;
  }
}

}  // namespace ui::qt
