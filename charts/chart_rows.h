#pragma once

#include "chart.h"

#include <QStringList>

namespace telvo {

// Rows keep their colour in every chart: 1 blue, 2 aqua, 3 red, 4 green, 5 yellow.
QColor Row_Colour(int row);
// The day and month charts of the main window draw row 5 in maroon instead.
QColor Line_Row_Colour(int row);

// The bar series of a row: side by side with the other rows' bars at offsets
// -40, -20, 0, 20 and 40 percent of the group, in the row colour.
Chart_Series Row_Bar_Series(int row);
Chart_Series Row_Line_Series(int row, double line_width);

// Label points k = 1..n at X = k, Y = k - 1, in black: they put the labels under the bars.
void Add_Label_Points(Chart_Series &series, const QStringList &labels);

// "period, part, part, ..." for a row with a period text, else a single blank
// that keeps the row's place in the legend.
QString Row_Series_Title(const QString &period, const QStringList &parts);

} // namespace telvo
