#include "list_choice.h"

#include <QListWidget>
#include <QScrollBar>

namespace telvo {

int Last_Picker_Year(QDate today) {
    return today.year() + 1;
}

void Fill_Year_List(QListWidget *list, int last_year) {
    const int count = last_year - First_Picker_Year + 1;
    if (list->count() == count)
        return;
    list->clear();
    for (int year = First_Picker_Year; year <= last_year; ++year)
        list->addItem(QString::number(year));
}

void Select_Year(QListWidget *list, int year) {
    Select_Position(list, year - First_Picker_Year);
}

int Selected_Year(const QListWidget *list) {
    const int position = Selected_Position(list);
    return position < 0 ? 0 : First_Picker_Year + position;
}

void Fit_List(QListWidget *list, int visible_rows) {
    const int frame = 2 * list->frameWidth();
    const bool scrolls = list->count() > visible_rows;
    list->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    const int scroll_bar = scrolls ? list->verticalScrollBar()->sizeHint().width() : 0;
    // A little room after the text, as the selection bar runs the full width.
    list->setFixedWidth(list->sizeHintForColumn(0) + scroll_bar + frame + 16);
    list->setFixedHeight(list->sizeHintForRow(0) * visible_rows + frame);
}

void Select_Position(QListWidget *list, int position) {
    if (position < 0 || position >= list->count()) {
        list->clearSelection();
        list->setCurrentRow(-1);
        return;
    }
    list->setCurrentRow(position);
    list->scrollToItem(list->item(position), QAbstractItemView::PositionAtCenter);
}

int Selected_Position(const QListWidget *list) {
    const QList<QListWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

} // namespace telvo
