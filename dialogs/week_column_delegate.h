#pragma once

#include <QItemDelegate>

#include <functional>

namespace telvo {

// Paints the week-number column of a calendar sheet with texts the program
// supplies, in the colours and font the calendar gives that column, so the
// calendar shows the program's own week numbers instead of the toolkit's.
class Week_Column_Delegate : public QItemDelegate {
public:
    // The text beside sheet row 1..6 (model row 0 is the weekday header).
    using Text_Function = std::function<QString(int row)>;

    Week_Column_Delegate(Text_Function text, QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    Text_Function Text;
};

} // namespace telvo
