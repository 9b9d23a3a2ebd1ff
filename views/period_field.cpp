#include "period_field.h"

#include <QMouseEvent>

namespace telvo {

Period_Field::Period_Field(QWidget *parent) : QLineEdit(parent) {
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void Period_Field::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        emit clicked();
    event->accept();
}

} // namespace telvo
