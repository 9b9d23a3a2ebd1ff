#include "chart_widget.h"

#include "chart_painter.h"

#include <QMouseEvent>
#include <QPainter>

namespace telvo {

Chart_Widget::Chart_Widget(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Chart_Widget::setChart(const Chart &chart) {
    chart_ = chart;
    update();
}

QSize Chart_Widget::sizeHint() const {
    return {700, 300};
}

QSize Chart_Widget::minimumSizeHint() const {
    return {200, 120};
}

void Chart_Widget::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    Draw_Chart(painter, rect(), chart_);
}

void Chart_Widget::mouseDoubleClickEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QWidget::mouseDoubleClickEvent(event);
}

} // namespace telvo
