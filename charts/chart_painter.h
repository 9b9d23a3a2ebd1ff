#pragma once

#include "chart.h"

#include <QPainter>
#include <QRectF>

namespace telvo {

// Draws the chart inside target and nowhere else: on a widget, a bitmap or a
// report page alike. The background is left to the caller.
void Draw_Chart(QPainter &painter, const QRectF &target, const Chart &chart);

} // namespace telvo
