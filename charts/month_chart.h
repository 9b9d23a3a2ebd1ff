#pragma once

#include "chart.h"

#include "data/row_selection.h"

namespace telvo {

// The month chart's title and five line series (width 2) shown and empty,
// titled from the rows (Period_Text is the row's month caption). Row 1 is listed
// in the legend only when row 2 has a month caption.
void Prepare_Month_Chart(Chart &chart, const Model &model, const Row_Selections &rows);

// The visitors of every day of the month for each drawn row; other rows are hidden.
void Draw_Month_Chart(Chart &chart, const Model &model, const Row_Selections &rows);

void Clear_Month_Chart(Chart &chart);

} // namespace telvo
