#pragma once

#include "charts/chart_widget.h"

#include <utility>

namespace telvo {

// Lets a chart filler change the widget's chart, then shows the result.
template <typename Change> void Update_Chart(Chart_Widget *widget, Change &&change) {
    Chart chart = widget->chart();
    std::forward<Change>(change)(chart);
    widget->setChart(chart);
}

} // namespace telvo
