#pragma once
// Draws list labels that hold column stops in their columns.

#include <QStyledItemDelegate>

namespace ui::qt {

class ColumnStopDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace ui::qt
