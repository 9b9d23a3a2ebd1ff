#pragma once

#include "chart.h"

#include "data/row_selection.h"

namespace telvo {

// Height of the bar that stands for a day without visitors.
inline constexpr double Week_Stub = 6;

// The week chart's title, five bar series shown and empty with the day names
// under the bars, and the series titles (Period_Text is the row's week text).
void Prepare_Week_Chart(Chart &chart, const Model &model, const Row_Selections &rows);

// The seven day totals of every row; a day of 0, or a row without device and
// zone, shows the stub.
void Draw_Week_Chart(Chart &chart, const Model &model, const Row_Selections &rows);

void Clear_Week_Chart(Chart &chart);

// The five bar series of the week and week QF charts, with the day names of
// the week table's header order as label points.
void Prepare_Week_Bar_Series(Chart &chart, const Model &model, const Row_Selections &rows);

} // namespace telvo
