#pragma once

#include "chart.h"

#include "data/row_selection.h"

namespace telvo {

// Height of the bar that stands for a week without visitors.
inline constexpr double Quarter_Stub = 12;

// The quarter chart's title, five bar series shown and empty with "Wk 01" ..
// "Wk 13" under the bars, titled with the row's period caption and zone text.
void Prepare_Quarter_Chart(Chart &chart, const Model &model, const Row_Selections &rows);

// The thirteen week totals of every row, collected or not; a week of 0 shows the stub.
void Draw_Quarter_Chart(Chart &chart, const Model &model, const Row_Selections &rows);

void Clear_Quarter_Chart(Chart &chart);

} // namespace telvo
