#include "table_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>

namespace telvo {

Table_Panel::Table_Panel(const QString &name, const QString &hint, QWidget *parent)
    : QFrame(parent), Layout(new QGridLayout(this)) {
    setObjectName(name);
    setToolTip(hint);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    Layout->setContentsMargins(6, 4, 6, 4);
    Layout->setHorizontalSpacing(6);
    Layout->setVerticalSpacing(1);
}

QLabel *Table_Panel::Add_Cell(const QString &name, int row, int column, Qt::Alignment alignment) {
    auto *label = new QLabel(this);
    if (!name.isEmpty())
        label->setObjectName(name);
    label->setAlignment(alignment | Qt::AlignVCenter);
    Layout->addWidget(label, row, column);
    return label;
}

void Table_Panel::mouseDoubleClickEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    event->accept();
}

} // namespace telvo
