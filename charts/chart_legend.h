#pragma once

#include "chart.h"

#include <QFont>
#include <QRectF>

#include <vector>

namespace telvo {

struct Legend_Entry {
    QRectF Square;
    QRectF Text_Box;
    QString Text; // elided to fit the legend's width
    QColor Colour;
};

// Entries flow left to right and wrap into lines, each line centred in the
// width; positions are relative to the legend's top left corner. Entries that
// do not fit in max_lines are left out.
struct Legend_Layout {
    std::vector<Legend_Entry> Entries;
    double Height = 0;
};

// Lists the active series that are marked for the legend, in series order.
Legend_Layout Layout_Legend(const Chart &chart, const QFont &font, double width, int max_lines);

} // namespace telvo
