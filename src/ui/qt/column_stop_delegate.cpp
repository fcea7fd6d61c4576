#include "ui/qt/column_stop_delegate.h"

#include <QApplication>
#include <QPainter>

#include "ui/column_stops.h"

namespace ui::qt {

void ColumnStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  QStyleOptionViewItem base = option;
  initStyleOption(&base, index);
  const std::string label = base.text.toUtf8().toStdString();
  base.text.clear();
  QApplication::style()->drawControl(QStyle::CE_ItemViewItem, &base, painter);
  painter->save();
  painter->setPen(base.palette.color(option.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                           : QPalette::Text));
  const QRect area = option.rect.adjusted(2, 0, 0, 0);
  for (const auto& column : SplitColumnStops(label)) {
    const QString text = QString::fromUtf8(column.text.c_str());
    QRect cell = area;
    if (column.rightAligned) {
      cell.setRight(area.left() + column.x);
      painter->drawText(cell, Qt::AlignRight | Qt::AlignVCenter, text);
    } else {
      cell.setLeft(area.left() + column.x);
      painter->drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, text);
    }
  }
  painter->restore();
}

}  // namespace ui::qt
