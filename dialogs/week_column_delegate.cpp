#include "week_column_delegate.h"

#include <utility>

namespace telvo {

Week_Column_Delegate::Week_Column_Delegate(Text_Function text, QObject *parent)
    : QItemDelegate(parent), Text(std::move(text)) {}

void Week_Column_Delegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                 const QModelIndex &index) const {
    if (index.row() < 1) {
        QItemDelegate::paint(painter, option, index);
        return;
    }
    const QStyleOptionViewItem shown = setOptions(index, option);
    drawBackground(painter, shown, index);
    drawDisplay(painter, shown, shown.rect, Text(index.row()));
}

} // namespace telvo
