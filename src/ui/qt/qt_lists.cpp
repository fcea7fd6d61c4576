#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTreeWidget>

#include "ui/qt/qt_records.h"
#include "ui/tree_place.h"

namespace ui::qt {

namespace {

int Count(QtToolkit::Control& c) { return static_cast<int>(c.values.size()); }

void RemoveTreeItem(QtToolkit::Control& c, int index) {
  QTreeWidgetItem* item = c.treeItems[index];
  // Its children go with it.
  int end = index + 1;
  while (end < Count(c)) {
    QTreeWidgetItem* up = c.treeItems[end]->parent();
    while (up && up != item) up = up->parent();
    if (!up) break;
    ++end;
  }
  c.treeItems.erase(c.treeItems.begin() + index, c.treeItems.begin() + end);
  c.values.erase(c.values.begin() + index, c.values.begin() + end);
  delete item;
}

}  // namespace

void QtToolkit::InsertListItem(int panel, int control, int index, const std::string& label, const Value& value) {
  OnUi([=, this] {
    Control* c = FindControl(panel, control);
    if (!c || !c->widget) return;
    const QSignalBlocker quiet(c->widget);
    const int at = index < 0 || index > Count(*c) ? Count(*c) : index;
    if (auto* combo = qobject_cast<QComboBox*>(c->widget)) combo->insertItem(at, ToQ(label));
    else if (auto* list = qobject_cast<QListWidget*>(c->widget)) {
      list->insertItem(at, ToQ(label));
      if (list->currentRow() < 0) list->setCurrentRow(0);
    } else return;
    c->values.insert(c->values.begin() + at, value);
  });
}

void QtToolkit::ReplaceListItem(int panel, int control, int index, const std::string& label, const Value& value) {
  OnUi([=, this] {
    Control* c = FindControl(panel, control);
    if (!c || index < 0 || index >= Count(*c)) return;
    if (auto* combo = qobject_cast<QComboBox*>(c->widget)) combo->setItemText(index, ToQ(label));
    if (auto* list = qobject_cast<QListWidget*>(c->widget)) list->item(index)->setText(ToQ(label));
    if (!c->treeItems.empty()) c->treeItems[index]->setText(0, ToQ(label));
    c->values[index] = value;
  });
}

void QtToolkit::DeleteListItem(int panel, int control, int index, int count) {
  OnUi([=, this] {
    Control* c = FindControl(panel, control);
    if (!c || index < 0 || index >= Count(*c)) return;
    const QSignalBlocker quiet(c->widget);
    int n = count < 0 ? Count(*c) - index : std::min(count, Count(*c) - index);
    for (; n > 0 && index < Count(*c); --n) {
      if (auto* combo = qobject_cast<QComboBox*>(c->widget)) combo->removeItem(index);
      if (auto* list = qobject_cast<QListWidget*>(c->widget)) delete list->takeItem(index);
      if (!c->treeItems.empty()) {
        RemoveTreeItem(*c, index);
        continue;
      }
      c->values.erase(c->values.begin() + index);
    }
  });
}

void QtToolkit::ClearListCtrl(int panel, int control) {
  OnUi([=, this] {
    Control* c = FindControl(panel, control);
    if (!c || !c->widget) return;
    const QSignalBlocker quiet(c->widget);
    if (auto* combo = qobject_cast<QComboBox*>(c->widget)) combo->clear();
    if (auto* list = qobject_cast<QListWidget*>(c->widget)) list->clear();
    if (auto* tree = qobject_cast<QTreeWidget*>(c->widget)) tree->clear();
    c->values.clear();
    c->treeItems.clear();
  });
}

int QtToolkit::GetNumListItems(int panel, int control) {
  return OnUi<int>([=, this] {
    Control* c = FindControl(panel, control);
    return c ? Count(*c) : 0;
  }, 0);
}

int QtToolkit::GetCtrlIndex(int panel, int control) {
  return OnUi<int>([=, this] {
    Control* c = FindControl(panel, control);
    if (!c) return -1;
    if (auto* combo = qobject_cast<QComboBox*>(c->widget)) return combo->currentIndex();
    if (auto* list = qobject_cast<QListWidget*>(c->widget)) return list->currentRow();
    if (auto* tree = qobject_cast<QTreeWidget*>(c->widget))
      for (int i = 0; i < Count(*c); ++i)
        if (c->treeItems[i] == tree->currentItem()) return i;
    return -1;
  }, -1);
}

void QtToolkit::SetCtrlIndex(int panel, int control, int index) {
  OnUi([=, this] {
    Control* c = FindControl(panel, control);
    if (!c || index < 0 || index >= Count(*c)) return;
    const QSignalBlocker quiet(c->widget);
    if (auto* combo = qobject_cast<QComboBox*>(c->widget)) combo->setCurrentIndex(index);
    if (auto* list = qobject_cast<QListWidget*>(c->widget)) list->setCurrentRow(index);
    if (auto* tree = qobject_cast<QTreeWidget*>(c->widget)) tree->setCurrentItem(c->treeItems[index]);
  });
}

std::string QtToolkit::GetLabelFromIndex(int panel, int control, int index) {
  return OnUi<std::string>([=, this]() -> std::string {
    Control* c = FindControl(panel, control);
    if (!c || index < 0 || index >= Count(*c)) return {};
    if (auto* combo = qobject_cast<QComboBox*>(c->widget)) return FromQ(combo->itemText(index));
    if (auto* list = qobject_cast<QListWidget*>(c->widget)) return FromQ(list->item(index)->text());
    if (!c->treeItems.empty()) return FromQ(c->treeItems[index]->text(0));
    return {};
  }, {});
}

Value QtToolkit::GetValueFromIndex(int panel, int control, int index) {
  return OnUi<Value>([=, this]() -> Value {
    Control* c = FindControl(panel, control);
    if (!c || index < 0 || index >= Count(*c)) return 0;
    return c->values[index];
  }, 0);
}

int QtToolkit::InsertTreeItem(int panel, int control, TreeRelation relation, int relativeIndex, int /*position*/,
                              const std::string& label, const Value& value) {
  return OnUi<int>([=, this] {
    Control* c = FindControl(panel, control);
    auto* tree = c ? qobject_cast<QTreeWidget*>(c->widget) : nullptr;
    if (!tree) return -1;
    const QSignalBlocker quiet(tree);
    std::vector<int> depths;
    for (QTreeWidgetItem* item : c->treeItems) {
      int depth = 0;
      for (QTreeWidgetItem* up = item->parent(); up; up = up->parent()) ++depth;
      depths.push_back(depth);
    }
    auto [at, depth] = TreeInsertPlace(depths, relation, relativeIndex);
    QTreeWidgetItem* parent = nullptr;
    for (int i = at - 1; depth > 0 && i >= 0; --i)
      if (depths[i] == depth - 1) {
        parent = c->treeItems[i];
        break;
      }
    auto* item = new QTreeWidgetItem(QStringList{ToQ(label)});
    if (parent) parent->addChild(item);
    else tree->addTopLevelItem(item);
    c->treeItems.insert(c->treeItems.begin() + at, item);
    c->values.insert(c->values.begin() + at, value);
    if (!tree->currentItem()) tree->setCurrentItem(c->treeItems.front());
    return at;
  }, -1);
}

void QtToolkit::SetTreeItemAttribute(int panel, int control, int index, Attr attr, const Value& value) {
  OnUi([=, this] {
    Control* c = FindControl(panel, control);
    if (!c || index < 0 || index >= static_cast<int>(c->treeItems.size())) return;
    QTreeWidgetItem* item = c->treeItems[index];
    if (attr == ATTR_COLLAPSED) item->setExpanded(AsInt(value) == 0);
    if (attr == ATTR_LABEL_COLOR) item->setForeground(0, QColor(QRgb(AsInt(value))));
  });
}

Value QtToolkit::GetTableCellVal(int panel, int control, int row, int column) {
  return OnUi<Value>([=, this]() -> Value {
    Control* c = FindControl(panel, control);
    auto* table = c ? qobject_cast<QTableWidget*>(c->widget) : nullptr;
    QTableWidgetItem* cell = table ? table->item(row - 1, column - 1) : nullptr;
    return cell ? FromQ(cell->text()) : std::string();
  }, std::string());
}

void QtToolkit::SetTableCellVal(int panel, int control, int row, int column, const Value& value) {
  OnUi([=, this] {
    Control* c = FindControl(panel, control);
    auto* table = c ? qobject_cast<QTableWidget*>(c->widget) : nullptr;
    if (!table) return;
    QTableWidgetItem* cell = table->item(row - 1, column - 1);
    if (!cell) table->setItem(row - 1, column - 1, cell = new QTableWidgetItem);
    cell->setText(ToQ(AsText(value)));
  });
}

void QtToolkit::SetTableCellAttribute(int panel, int control, int row, int column, Attr attr, const Value& value) {
  OnUi([=, this] {
    Control* c = FindControl(panel, control);
    auto* table = c ? qobject_cast<QTableWidget*>(c->widget) : nullptr;
    if (!table || attr != ATTR_TEXT_BGCOLOR) return;
    QTableWidgetItem* cell = table->item(row - 1, column - 1);
    if (!cell) table->setItem(row - 1, column - 1, cell = new QTableWidgetItem);
    cell->setBackground(QColor(QRgb(AsInt(value))));
  });
}

}  // namespace ui::qt
